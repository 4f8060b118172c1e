#include "windows/FormBuilder.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <limits>
#include <map>

#include "windows/ComboAccessible.h"
#include "windows/DriveList.h"
#include "windows/EditableComboBox.h"
#include "windows/FormAccessible.h"
#include "windows/LayoutShapes.h"
#include "windows/PasteSafePlainTextEdit.h"
#include "windows/Twips.h"
#include "xpbutton/DesignFont.h"
#include "xpbutton/ccXPButton.h"

// The layouts live in this static library; pull its resources into whatever
// links buildForm. Must sit outside any namespace.
static void initLayoutResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(layouts);
        return true;
    }();
    (void)done;
}

namespace qm {

void failLayout(const QString& message) {
    std::fprintf(stderr, "Quillmere: broken window layout: %s\n", qPrintable(message));
    qFatal("broken window layout: %s", qPrintable(message));
}

namespace {

QRect pixels(const TwipsRect& r) {
    return QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height));
}

// The layouts were drawn for a compact interface font (8 pt bitmap metrics); the
// desktop's own size (often 9 or 10 pt) would wrap and clip their texts.
QFont windowDefaultFont() {
    QFont f = QApplication::font();
    f.setPointSizeF(7.5);
    f.setStretch(QFont::SemiCondensed);
    return f;
}

// A font that children keep even inside a frame that uses another one.
QFont explicitFont(const QFont& base) {
    QFont f;
    f.setFamilies(base.families());
    f.setFamily(base.family());
    f.setPointSizeF(base.pointSizeF());
    f.setWeight(base.weight());
    f.setItalic(base.italic());
    f.setStretch(base.stretch());
    return f;
}

Qt::WindowFlags windowFlags(const WindowLayout& w) {
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    // A tool window is how Qt keeps a window out of the taskbar.
    flags |= w.border == BorderStyle::FixedToolWindow || !w.showInTaskbar ? Qt::Tool : Qt::Window;
    if (w.minimiseButton) flags |= Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint;
    return flags;
}

// The font goes on before any text: a text laid out in the inherited font
// would only be laid out again.
template <class W>
W* withFont(W* widget, const QFont& font) {
    widget->setFont(font);
    return widget;
}

QWidget* makeTextBox(const ControlLayout& c, QWidget* parent, const QFont& font) {
    if (c.multiLine) {
        auto* edit = withFont(new qm::PasteSafePlainTextEdit(parent), font);
        edit->setPlainText(c.text);
        edit->setReadOnly(c.locked);
        edit->setTabChangesFocus(true);
        // Long words break anywhere: laying out one huge word at word
        // boundaries takes the text widget seconds.
        edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        edit->document()->setDocumentMargin(2);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setVerticalScrollBarPolicy(c.verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        if (c.buttonFaceBackground) {
            QPalette pal = edit->palette();
            pal.setColor(QPalette::Base, pal.color(QPalette::Button));
            edit->setPalette(pal);
        }
        return edit;
    }
    auto* edit = withFont(new QLineEdit(parent), font);
    // Without a limit of its own, a field takes whatever is typed or pasted.
    edit->setMaxLength(c.maxLength > 0 ? c.maxLength : std::numeric_limits<int>::max());
    edit->setText(c.text);
    edit->setCursorPosition(0);  // a long text shows its start
    edit->setReadOnly(c.locked);
    if (c.centred) edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return edit;
}

QWidget* makeLabel(const ControlLayout& c, QWidget* parent, const QFont& font) {
    auto* label = withFont(new QLabel(parent), font);
    label->setTextFormat(Qt::PlainText);
    label->setText(c.text);
    label->setAlignment((c.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    return label;
}

QWidget* makeComboBox(const ControlLayout& c, QWidget* parent, const QFont& font) {
    return withFont(new EditableComboBox(c.items, c.text, parent), font);
}

QWidget* makeImage(const ControlLayout& c, QWidget* parent, const QFont& font, const QString& where) {
    const QPixmap picture(c.picture);
    if (picture.isNull()) failLayout(QStringLiteral("%1: picture \"%2\" cannot be read").arg(where, c.picture));
    auto* image = withFont(new QLabel(parent), font);
    image->setPixmap(picture);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

QWidget* makeButton(const ControlLayout& c, QWidget* parent) {
    auto* button = new qm::ccXPButton(parent);
    button->setObjectName(c.name);
    button->setGeometry(pixels(c.rect));
    button->readProperties(qm::PropertyBag(c.buttonProperties));
    return button;
}

// The widget covers the line's bounding box and draws it in its own coordinates.
QWidget* makeLine(const ControlLayout& c, QWidget* parent, const QFont& font) {
    const QPoint start(twipsToPixels(c.rect.left), twipsToPixels(c.rect.top));
    const QPoint end(twipsToPixels(c.rect.left + c.rect.width), twipsToPixels(c.rect.top + c.rect.height));
    const QRect box = QRect(start, end).normalized();
    auto* line = withFont(new LineControl(QLine(start - box.topLeft(), end - box.topLeft()), parent), font);
    line->setGeometry(box);
    return line;
}

// Buttons keep their caption font apart from the window's and take none here.
QWidget* makeControl(const ControlLayout& c, QWidget* parent, const QFont& font, const QString& where) {
    switch (c.kind) {
    case ControlKind::TextBox: return makeTextBox(c, parent, font);
    case ControlKind::Label: return makeLabel(c, parent, font);
    case ControlKind::Frame: {
        auto* frame = withFont(new QGroupBox(parent), font);
        frame->setTitle(c.text);
        frame->setAutoFillBackground(true);  // an open panel covers the column beneath it
        return frame;
    }
    case ControlKind::ComboBox: return makeComboBox(c, parent, font);
    case ControlKind::DriveListBox: return withFont(new DriveList(parent), font);
    case ControlKind::Line: return makeLine(c, parent, font);
    case ControlKind::Shape: {
        std::optional<QColor> fill;
        if (c.fill == ShapeFill::White) fill = QColor(Qt::white);
        if (c.fill == ShapeFill::InactiveTitleBar)
            fill = parent->palette().color(QPalette::Inactive, QPalette::Highlight);
        return withFont(new ShapeControl(fill, c.outline, parent), font);
    }
    case ControlKind::Image: return makeImage(c, parent, font, where);
    case ControlKind::WebBrowser: return withFont(new QWidget(parent), font);
    case ControlKind::Button: return makeButton(c, parent);
    }
    failLayout(where + QStringLiteral(": unknown kind"));
}

bool takesFocus(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::DriveListBox:
    case ControlKind::Button:
    case ControlKind::WebBrowser: return true;
    default: return false;
    }
}

void setWindow(const WindowLayout& w, QWidget* window) {
    window->setObjectName(w.name);
    window->setWindowTitle(w.caption);
    window->setWindowFlags(windowFlags(w));
    // Tool windows would otherwise not keep the program running once the
    // main window has closed.
    window->setAttribute(Qt::WA_QuitOnClose, true);
    window->setFont(w.font == FontChoice::Verdana ? qm::designFont() : windowDefaultFont());
    window->setFixedSize(twipsToPixels(w.clientWidth), twipsToPixels(w.clientHeight));
    if (w.centred) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            window->move(screen->availableGeometry().center() - window->rect().center());
    }
}

}  // namespace

WindowLayout loadLayout(const QString& layoutResource) {
    initLayoutResources();
    QFile file(layoutResource);
    if (!file.open(QIODevice::ReadOnly)) failLayout(layoutResource + QStringLiteral(": cannot be read"));
    LayoutParseResult parsed = parseLayout(file.readAll(), layoutResource);
    if (!parsed.layout) failLayout(parsed.error);
    return std::move(*parsed.layout);
}

FormControls buildForm(const WindowLayout& layout, QWidget* window) {
    initLayoutResources();
    installFormAccessibility();
    installComboAccessibility();
    setWindow(layout, window);
    const QFont windowFont = explicitFont(window->font());
    const QFont designFont = qm::designFont();

    FormControls controls;
    std::multimap<int, QWidget*> tabOrder;
    for (const ControlLayout& c : layout.controls) {
        const QString where = QStringLiteral("%1: %2").arg(layout.name, c.name);
        QWidget* parent = c.container.isEmpty() ? window : controls.widget(c.container);
        QWidget* widget = makeControl(c, parent, c.font == FontChoice::Verdana ? designFont : windowFont, where);
        widget->setObjectName(c.name);
        if (c.kind != ControlKind::Line) widget->setGeometry(pixels(c.rect));
        if (!takesFocus(c.kind)) widget->setFocusPolicy(Qt::NoFocus);
        if (c.startsHidden) widget->setVisible(false);
        if (!c.accessibleName.isEmpty()) widget->setAccessibleName(c.accessibleName);
        if (!c.description.isEmpty()) widget->setAccessibleDescription(c.description);
        if (!c.accessible) hideFromAssistiveTechnology(widget);
        // Each later entry goes beneath the earlier ones: the first listed lies above.
        widget->lower();
        if (c.tabIndex && takesFocus(c.kind)) tabOrder.emplace(*c.tabIndex, widget);
        controls.add(c.name, widget);
    }

    for (const ControlLayout& c : layout.controls) {
        if (c.buddy.isEmpty()) continue;
        if (auto* label = controls.get<QLabel>(c.name)) label->setBuddy(controls.widget(c.buddy));
    }

    QWidget* previous = nullptr;
    for (const auto& [index, widget] : tabOrder) {
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    return controls;
}

}  // namespace qm
