#include "ccXPButton.h"

#include <QAccessible>
#include <QCursor>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPainter>
#include <QPaintEvent>
#include <QShortcut>
#include <algorithm>

#include "AccessKey.h"
#include "ButtonAccessible.h"
#include "ButtonRenderer.h"
#include "PropertyBag.h"

namespace {

QFont designFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}

// 1230 x 405 twips.
constexpr QSize DesignSize(82, 27);

}  // namespace

ccXPButton::ccXPButton(QWidget* parent) : QWidget(parent), palette_(xp::InitPalette()) {
    xp::installButtonAccessibility();
    flags_.DrawLocked = true;
    pFONT_ = designFont();
    QWidget::setFont(pFONT_);
    ownHwnd_ = reinterpret_cast<quintptr>(this);

    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // moves without a pressed button drive the hot look
    setAttribute(Qt::WA_OpaquePaintEvent);  // the surface covers every pixel
    resize(DesignSize);

    accessShortcut_ = new QShortcut(this);
    connect(accessShortcut_, &QShortcut::activated, this, &ccXPButton::onAccessKey);
}

ccXPButton::~ccXPButton() { removeHooks(); }

void ccXPButton::setCaption(const QString& caption) {
    caption_ = caption;
    bindAccessKey();
    redraw();
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    emit PropertyChanged(QStringLiteral("Caption"));
}

void ccXPButton::bindAccessKey() {
    accessKey_ = xp::GetAccessKey(caption_);
    if (accessKey_.isEmpty()) {
        accessShortcut_->setKey(QKeySequence());
        return;
    }
    const auto key = Qt::Key(accessKey_.at(0).toUpper().unicode());
    accessShortcut_->setKey(QKeySequence(QKeyCombination(Qt::AltModifier, key)));
}

void ccXPButton::setEnabledValue(bool enabled) {
    flags_.Enabled = enabled;
    QWidget::setEnabled(enabled);
    flags_.DrawLocked = false;
    if (flags_.MouseOver && flags_.Enabled) {
        DrawButton(xp::Hot);
    } else if (flags_.ShowDefault && enabled) {
        DrawButton(xp::Focused);
    } else {
        const int target = enabled ? xp::Normal : xp::Disabled;
        if (target != flags_.VisualState) DrawButton(target);
    }
    emit PropertyChanged(QStringLiteral("Enabled"));
}

void ccXPButton::setFontValue(const QFont& font) {
    pFONT_ = font;
    QWidget::setFont(pFONT_);
    redraw();
    emit PropertyChanged(QStringLiteral("Font"));
}

void ccXPButton::setForeColor(quint32 colour) {
    foreColor_ = colour;
    redraw();
    emit PropertyChanged(QStringLiteral("ForeColor"));
}

void ccXPButton::setFocusRect(bool on) {
    flags_.FocusRect = on;
    if (flags_.HasFocus) redraw();
    emit PropertyChanged(QStringLiteral("FocusRect"));
}

void ccXPButton::setDisplayAsDefault(bool on) {
    displayAsDefault_ = on;
    AmbientChanged(QStringLiteral("DisplayAsDefault"));
}

void ccXPButton::AmbientChanged(const QString& propertyName) {
    flags_.ShowDefault = displayAsDefault_;
    if (!flags_.Enabled || flags_.MouseOver || propertyName != QLatin1String("DisplayAsDefault"))
        return;
    if (flags_.ShowDefault)
        DrawButton(xp::Focused);
    else if (flags_.VisualState != xp::Normal)
        DrawButton(xp::Normal);
}

void ccXPButton::SnapMouseTo() {
    // A Wayland compositor lets no program move the pointer; the button goes
    // on without it instead of asking and being refused with a warning.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    QCursor::setPos(xp::roundHalfEven(origin.x() + width() / 2.0),
                    xp::roundHalfEven(origin.y() + height() / 2.0));
}

void ccXPButton::InitProperties() {
    QList<ccXPButton*> buttons;
    if (parentWidget())
        buttons = window()->findChildren<ccXPButton*>();
    else
        buttons = {this};
    QString list = QStringLiteral("|");
    for (const ccXPButton* b : buttons) list += b->Caption() + QLatin1Char('|');

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
    // Like a load, a new instance assigns Enabled once, which ends the
    // creation lock; otherwise a newly placed button would never draw.
    setEnabledValue(true);
}

void ccXPButton::readProperties(const xp::PropertyBag& bag) {
    if (parentWidget()) ParentHwnd_ = window();
    setCaption(bag.readString(QStringLiteral("Caption"), QStringLiteral("&OK")));
    setForeColor(bag.readColour(QStringLiteral("ForeColor"), 0));
    if (const auto stored = xp::fontFromJson(bag.read(QStringLiteral("Font")))) {
        fontCharset_ = stored->charset;
        setFontValue(stored->font);
    } else {
        setFontValue(pFONT_);
    }
    setFocusRect(bag.readBool(QStringLiteral("FocusRect"), true));
    setEnabledValue(bag.readBool(QStringLiteral("Enabled"), true));
    installHooks();
    flags_.DrawLocked = false;
    redraw();
}

xp::PropertyBag ccXPButton::writeProperties() const {
    xp::PropertyBag bag;
    bag.write(QStringLiteral("Caption"), caption_, QStringLiteral("&OK"));
    bag.write(QStringLiteral("Enabled"), flags_.Enabled, true);
    bag.write(QStringLiteral("ForeColor"), qint64(foreColor_), 0);
    // A font never equals this text, so the font is always stored.
    bag.write(QStringLiteral("Font"), xp::fontToJson({pFONT_, fontCharset_}),
              QStringLiteral("Verdana"));
    bag.write(QStringLiteral("FocusRect"), flags_.FocusRect, true);
    return bag;
}

void ccXPButton::DrawButton(int state) {
    if (flags_.DrawLocked) return;
    flags_.VisualState = state;
    drawnSize_ = size();
    pending_ = DrawRequest{state,
                           drawnSize_,
                           palette().color(backgroundRole()).rgb(),
                           caption_,
                           pFONT_,
                           flags_.Enabled ? foreColor_ : xp::DisabledText,
                           flags_.HasFocus && flags_.FocusRect && state > xp::Normal};
    updateShape(drawnSize_.width(), drawnSize_.height());
}

void ccXPButton::paintPending() const {
    if (!pending_) return;
    const DrawRequest r = std::move(*pending_);
    pending_.reset();
    const int w = r.size.width(), h = r.size.height();
    if (surface_.size() != r.size) surface_ = QImage(w, h, QImage::Format_RGB32);
    xp::paintButtonBody(surface_, r.state, palette_, r.background);
    xp::drawCaption(surface_, r.caption, r.font, r.textColour);
    if (r.focusRect) xp::drawFocusRect(surface_, {3, 3, w - 3, h - 3});
}

const QImage& ccXPButton::surface() const {
    paintPending();
    return surface_;
}

void ccXPButton::updateShape(int w, int h) {
    // The shape depends on the size only; setting an equal mask again would
    // cost a region comparison for nothing.
    if (shapeSize_ != QSize(w, h)) {
        shapeSize_ = QSize(w, h);
        setMask(xp::roundedShape(w, h));
    }
    update();
}

void ccXPButton::paintEvent(QPaintEvent* event) {
    paintPending();
    QPainter painter(this);
    painter.drawImage(event->rect(), surface_, event->rect());
}

void ccXPButton::resizeEvent(QResizeEvent*) {
    if (width() < MinimumSide || height() < MinimumSide) {
        const bool wasLocked = flags_.DrawLocked;
        flags_.DrawLocked = true;
        resize(std::max(width(), MinimumSide), std::max(height(), MinimumSide));
        flags_.DrawLocked = wasLocked;
    }
    // A pending resize delivered at show time changes nothing: skip the redraw.
    if (!flags_.DrawLocked && drawnSize_ != size()) redraw();
}
