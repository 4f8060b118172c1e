#pragma once

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "xpbutton/ButtonFlags.h"
#include "xpbutton/ButtonPalette.h"
#include "xpbutton/PropertyBag.h"

class QShortcut;

namespace qm {

// The program's own XP-style push button. drawButton fixes the look of a
// persistent surface; its pixels are painted when the surface is first
// looked at (a paint, or surface()), so hidden buttons and looks replaced
// before the next paint cost nothing. Its stored properties are the caption,
// QWidget's enabled state, the caption font and colour and the focus rectangle.
// The mouse, keyboard, focus and window-message handling lives in
// ccXPButtonInput.cpp. setDisplayAsDefault, snapMouseTo, initProperties,
// writeProperties and every signal but clicked are the control's public face,
// which this program does not call.
class ccXPButton : public QWidget {
    Q_OBJECT
public:
    explicit ccXPButton(QWidget* parent = nullptr);
    ~ccXPButton() override;

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // The caption's font: its own, whatever font the window around it has.
    QFont captionFont() const { return captionFont_; }
    void setCaptionFont(const QFont& font);

    // 0x00BBGGRR, red in the lowest byte.
    quint32 foreColor() const { return foreColor_; }
    void setForeColor(quint32 colour);

    // Displays a rect inside button border when the control has the focus.
    bool focusRect() const { return flags_.focusRect; }
    void setFocusRect(bool on);

    // The host's "show as default button" setting.
    void setDisplayAsDefault(bool on);

    // Moves the mouse pointer to the button's centre.
    void snapMouseTo();

    // Gives a button newly placed on a window its first properties: the
    // caption "&OK", "&Cancel", "&Apply" or its own object name, whichever is
    // not yet taken on that window, black text and a focus rectangle.
    void initProperties();
    // Restores the stored properties of a window layout.
    void readProperties(const PropertyBag& bag);
    PropertyBag writeProperties() const;

    // Paints the whole button in one of the five looks (ButtonLook).
    void drawButton(int look);

    ButtonFlags& flags() { return flags_; }
    const ButtonFlags& flags() const { return flags_; }
    // The painted surface, up to date with the last drawButton.
    const QImage& surface() const;
    // The lower-case access key of the caption, or empty.
    QString accessKey() const { return accessKey_; }

    // Smallest side, in pixels: 100 twips at 15 twips per pixel, rounded.
    static constexpr int MinimumSide = 7;

signals:
    void clicked();
    void doubleClicked();
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF position);
    void windowActivationChanged(bool active);
    // A stored property changed, so the window's layout would need saving.
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Defined in ccXPButtonInput.cpp.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Defined in ccXPButtonInput.cpp: hook the own and the parent window at
    // load, unhook them at termination; the parent window's activation; the
    // access key's input; the enabled state as the input rules see it.
    void installHooks();
    void removeHooks();
    void onWindowActivation(bool active);
    void onAccessKey();
    void syncEnabled();

    // Per-button state of the input handling, owned here and defined in
    // ccXPButtonInput.cpp.
    struct InputBinding;
    struct InputBindingDeleter {
        void operator()(InputBinding* binding) const;
    };

    // Everything drawButton paints with, taken when it is asked.
    struct DrawRequest {
        int look;
        QSize size;
        QRgb background;
        QString caption;
        QFont font;
        quint32 textColour;
        bool focusRect;
        bool operator==(const DrawRequest&) const = default;
    };
    // Paints the last drawn request onto the surface, if not done yet.
    void paintSurface() const;

    void redraw() { drawButton(flags_.look); }
    void bindAccessKey();

    ButtonFlags flags_;
    ButtonPalette palette_;
    QString caption_;
    QFont captionFont_;
    quint32 foreColor_ = 0;
    int fontCharset_ = 0;  // kept only so that a stored font survives a round trip
    QString accessKey_;
    bool displayAsDefault_ = false;
    QPointer<QWidget> parentWindow_;
    std::optional<DrawRequest> drawn_;
    mutable QImage surface_;
    mutable bool surfaceStale_ = false;
    QShortcut* accessShortcut_ = nullptr;
    std::unique_ptr<InputBinding, InputBindingDeleter> input_;
};

}  // namespace qm
