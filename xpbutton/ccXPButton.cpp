#include "xpbutton/ccXPButton.h"

#include <QAccessible>
#include <QCursor>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPainter>
#include <QPaintEvent>
#include <QShortcut>
#include <algorithm>

#include "xpbutton/AccessKey.h"
#include "xpbutton/ButtonAccessible.h"
#include "xpbutton/ButtonRenderer.h"
#include "xpbutton/DesignFont.h"
#include "xpbutton/PropertyBag.h"

namespace qm {

namespace {

// 1230 x 405 twips.
constexpr QSize DesignSize(82, 27);

}  // namespace

ccXPButton::ccXPButton(QWidget* parent) : QWidget(parent), palette_(defaultButtonPalette()) {
    installButtonAccessibility();
    flags_.drawLocked = true;
    captionFont_ = designFont();
    setFont(captionFont_);

    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // moves without a pressed button drive the hot look
    setAttribute(Qt::WA_OpaquePaintEvent);  // the surface covers every pixel
    resize(DesignSize);

    accessShortcut_ = new QShortcut(this);
    connect(accessShortcut_, &QShortcut::activated, this, &ccXPButton::onAccessKey);
}

ccXPButton::~ccXPButton() { removeHooks(); }

void ccXPButton::setCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    bindAccessKey();
    redraw();
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    emit propertyChanged(QStringLiteral("Caption"));
}

void ccXPButton::bindAccessKey() {
    accessKey_ = accessKeyOf(caption_);
    if (accessKey_.isEmpty()) {
        accessShortcut_->setKey(QKeySequence());
        return;
    }
    const auto key = Qt::Key(accessKey_.at(0).toUpper().unicode());
    accessShortcut_->setKey(QKeySequence(QKeyCombination(Qt::AltModifier, key)));
}

void ccXPButton::setCaptionFont(const QFont& font) {
    if (font == captionFont_) return;
    captionFont_ = font;
    setFont(captionFont_);
    redraw();
    emit propertyChanged(QStringLiteral("Font"));
}

void ccXPButton::setForeColor(quint32 colour) {
    if (colour == foreColor_) return;
    foreColor_ = colour;
    redraw();
    emit propertyChanged(QStringLiteral("ForeColor"));
}

void ccXPButton::setFocusRect(bool on) {
    if (on == flags_.focusRect) return;
    flags_.focusRect = on;
    if (flags_.hasFocus) redraw();
    emit propertyChanged(QStringLiteral("FocusRect"));
}

void ccXPButton::setDisplayAsDefault(bool on) {
    if (on == displayAsDefault_) return;
    displayAsDefault_ = on;
    flags_.showDefault = on;
    if (!flags_.enabled || flags_.mouseOver) return;
    if (flags_.showDefault)
        drawButton(Focused);
    else if (flags_.look != Normal)
        drawButton(Normal);
}

void ccXPButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) syncEnabled();
    QWidget::changeEvent(event);
}

void ccXPButton::snapMouseTo() {
    // A Wayland compositor lets no program move the pointer; the button goes
    // on without it instead of asking and being refused with a warning.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    QCursor::setPos(roundHalfEven(origin.x() + width() / 2.0),
                    roundHalfEven(origin.y() + height() / 2.0));
}

void ccXPButton::initProperties() {
    QList<ccXPButton*> buttons;
    if (parentWidget())
        buttons = window()->findChildren<ccXPButton*>();
    else
        buttons = {this};
    QString list = QStringLiteral("|");
    for (const ccXPButton* b : buttons) list += b->caption() + QLatin1Char('|');

    QString caption;
    if (!list.contains(QLatin1String("|&OK|")))
        caption = QStringLiteral("&OK");
    else if (!list.contains(QLatin1String("|&Cancel|")))
        caption = QStringLiteral("&Cancel");
    else if (!list.contains(QLatin1String("|&Apply|")))
        caption = QStringLiteral("&Apply");
    else
        caption = objectName();
    setCaption(caption);
    setForeColor(0);
    setFocusRect(true);
    // Like a load, a new instance assigns Enabled once, which ends the
    // creation lock; otherwise a newly placed button would never draw.
    setEnabled(true);
    syncEnabled();
}

void ccXPButton::readProperties(const PropertyBag& bag) {
    if (parentWidget()) parentWindow_ = window();
    setCaption(bag.readString(QStringLiteral("Caption"), QStringLiteral("&OK")));
    setForeColor(bag.readColour(QStringLiteral("ForeColor"), 0));
    if (const auto stored = fontFromJson(bag.read(QStringLiteral("Font")))) {
        fontCharset_ = stored->charset;
        setCaptionFont(stored->font);
    }
    setFocusRect(bag.readBool(QStringLiteral("FocusRect"), true));
    setEnabled(bag.readBool(QStringLiteral("Enabled"), true));
    syncEnabled();
    installHooks();
    flags_.drawLocked = false;
    redraw();
}

PropertyBag ccXPButton::writeProperties() const {
    PropertyBag bag;
    bag.write(QStringLiteral("Caption"), caption_, QStringLiteral("&OK"));
    bag.write(QStringLiteral("Enabled"), isEnabled(), true);
    bag.write(QStringLiteral("ForeColor"), qint64(foreColor_), 0);
    // A font never equals this text, so the font is always stored.
    bag.write(QStringLiteral("Font"), fontToJson({captionFont_, fontCharset_}),
              QStringLiteral("Verdana"));
    bag.write(QStringLiteral("FocusRect"), flags_.focusRect, true);
    return bag;
}

void ccXPButton::drawButton(int look) {
    if (flags_.drawLocked) return;
    flags_.look = look;
    DrawRequest request{look,
                        size(),
                        palette().color(backgroundRole()).rgb(),
                        caption_,
                        captionFont_,
                        flags_.enabled ? foreColor_ : DisabledText,
                        flags_.hasFocus && flags_.focusRect && look > Normal};
    // The same request paints the same pixels: nothing to redraw.
    if (drawn_ && *drawn_ == request) return;
    // The shape depends on the size only; setting an equal mask again would
    // cost a region comparison for nothing.
    if (!drawn_ || drawn_->size != request.size) setMask(roundedShape(request.size.width(), request.size.height()));
    drawn_ = std::move(request);
    surfaceStale_ = true;
    update();
}

void ccXPButton::paintSurface() const {
    if (!surfaceStale_) return;
    surfaceStale_ = false;
    const DrawRequest& r = *drawn_;
    const int w = r.size.width(), h = r.size.height();
    if (surface_.size() != r.size) surface_ = QImage(w, h, QImage::Format_RGB32);
    paintButtonBody(surface_, r.look, palette_, r.background);
    drawCaption(surface_, r.caption, r.font, r.textColour);
    if (r.focusRect) drawFocusRect(surface_, {3, 3, w - 3, h - 3});
}

const QImage& ccXPButton::surface() const {
    paintSurface();
    return surface_;
}

void ccXPButton::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), surface(), event->rect());
}

void ccXPButton::resizeEvent(QResizeEvent*) {
    if (width() < MinimumSide || height() < MinimumSide) {
        const bool wasLocked = flags_.drawLocked;
        flags_.drawLocked = true;
        resize(std::max(width(), MinimumSide), std::max(height(), MinimumSide));
        flags_.drawLocked = wasLocked;
    }
    // A pending resize delivered at show time asks for the drawn request again,
    // which draws nothing.
    redraw();
}

}  // namespace qm
