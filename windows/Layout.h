#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace qm {

// A window layout as plain data, read from a layout file. Places and sizes are
// in twips; Left and Top count from the container's top-left corner.

enum class ControlKind { TextBox, Label, Frame, ComboBox, DriveListBox, Line, Shape, Image, WebBrowser, Button };

enum class BorderStyle { FixedSingle, FixedToolWindow };

enum class ShapeFill { None, White, InactiveTitleBar };

enum class FontChoice { WindowDefault, Verdana };

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

struct ControlLayout {
    QString name;
    ControlKind kind = ControlKind::Label;
    QString container;  // empty: the window's client area
    QString text;       // caption or default text; multi-line texts end each line with CR LF
    TwipsRect rect;     // for a line: left/top is its start, left+width/top+height its end
    std::optional<int> tabIndex;
    FontChoice font = FontChoice::WindowDefault;

    bool multiLine = false;
    bool locked = false;
    bool centred = false;
    bool verticalScrollBar = false;
    bool startsHidden = false;
    bool buttonFaceBackground = false;
    int maxLength = 0;  // 0: no limit
    QStringList items;

    ShapeFill fill = ShapeFill::None;
    bool outline = false;
    QString picture;  // resource path of an image's bitmap
    QString buddy;    // a label's field: assistive technology reads the label as its name

    // What assistive technology says where the caption alone would not do.
    QString accessibleName;
    QString description;
    bool accessible = true;  // false: a drawing or a hidden store, not shown to assistive technology

    QJsonObject buttonProperties;  // stored properties of a button

    friend bool operator==(const ControlLayout&, const ControlLayout&) = default;
};

struct WindowLayout {
    QString name;
    QString caption;
    int clientWidth = 0;
    int clientHeight = 0;
    BorderStyle border = BorderStyle::FixedSingle;
    bool minimiseButton = false;
    bool showInTaskbar = false;
    bool centred = false;
    FontChoice font = FontChoice::WindowDefault;
    std::vector<ControlLayout> controls;  // first listed lies above

    const ControlLayout* control(const QString& controlName) const;
    friend bool operator==(const WindowLayout&, const WindowLayout&) = default;
};

// Where stored button properties sit in a layout entry.
inline constexpr char kButtonClassIdentity[] = "Quillmere.ccXPButton";

struct LayoutParseResult {
    std::optional<WindowLayout> layout;
    QString error;  // names the file and the entry when layout is empty
};

// Reads a layout file's JSON. Unknown keys, kinds and containers, missing
// places, and duplicate names are errors: a layout is part of the program.
LayoutParseResult parseLayout(const QByteArray& json, const QString& fileName);

}  // namespace qm
