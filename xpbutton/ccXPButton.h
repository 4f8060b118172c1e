#pragma once

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "ButtonFlags.h"
#include "ButtonPalette.h"
#include "PropertyBag.h"

class QShortcut;

// The program's own XP-style push button. DrawButton fixes the look of a
// persistent surface; its pixels are painted when the surface is first
// looked at (a paint, or surface()), so hidden buttons and looks replaced
// before the next paint cost nothing.
// The mouse, keyboard, focus and window-message handling lives in
// ccXPButtonInput.cpp.
class ccXPButton : public QWidget {
    Q_OBJECT
public:
    explicit ccXPButton(QWidget* parent = nullptr);
    ~ccXPButton() override;

    // Identity of the control's own window; stable for the control's life.
    quintptr hWnd() const { return ownHwnd_; }

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    // Named apart from QWidget::isEnabled/setEnabled: writing runs the
    // button's own redraw rules and also sets the widget's enabled state.
    bool Enabled() const { return flags_.Enabled; }
    void setEnabledValue(bool enabled);

    QFont Font() const { return pFONT_; }
    void setFontValue(const QFont& font);

    // 0x00BBGGRR, red in the lowest byte.
    quint32 ForeColor() const { return foreColor_; }
    void setForeColor(quint32 colour);

    // Displays a rect inside button border when the control has the focus.
    bool FocusRect() const { return flags_.FocusRect; }
    void setFocusRect(bool on);

    // The host's "show as default button" setting.
    void setDisplayAsDefault(bool on);
    void AmbientChanged(const QString& propertyName);

    // Moves the mouse pointer to the button's centre.
    void SnapMouseTo();

    // Delivery point of the window-message hook.
    void zSubclass_Proc(bool bBefore, bool& bHandled, long& lReturn, quintptr& lng_hWnd,
                        unsigned& uMsg, quintptr& wParam, qintptr& lParam);

    // Names a button newly placed on a window: "&OK", "&Cancel", "&Apply" or
    // its own object name, whichever is not yet taken on that window.
    void InitProperties();
    // Restores the stored properties of a window layout.
    void readProperties(const xp::PropertyBag& bag);
    xp::PropertyBag writeProperties() const;

    // Paints the whole button in one of the five looks (xp::VisualStateValue).
    void DrawButton(int state);

    xp::ButtonFlags& flags() { return flags_; }
    const xp::ButtonFlags& flags() const { return flags_; }
    // The painted surface, up to date with the last DrawButton.
    const QImage& surface() const;
    // The lower-case access key of the caption, or empty.
    QString accessKey() const { return accessKey_; }

    // Smallest side, in pixels: 100 twips at 15 twips per pixel, rounded.
    static constexpr int MinimumSide = 7;

signals:
    void Click();
    void DblClick();
    void MouseMove(short button, short shift, float x, float y);
    void FormActivate(int state);
    // A stored property changed, so the window's layout would need saving.
    void PropertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

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
    // load, unhook them at termination; the access key's input.
    void installHooks();
    void removeHooks();
    void onAccessKey();

    // Per-button state of the input handling, owned here and defined in
    // ccXPButtonInput.cpp.
    struct InputBinding;
    struct InputBindingDeleter {
        void operator()(InputBinding* binding) const;
    };

    // Everything DrawButton paints with, taken when it is asked.
    struct DrawRequest {
        int state;
        QSize size;
        QRgb background;
        QString caption;
        QFont font;
        quint32 textColour;
        bool focusRect;
    };
    void paintPending() const;

    void redraw() { DrawButton(flags_.VisualState); }
    void bindAccessKey();
    void updateShape(int w, int h);

    xp::ButtonFlags flags_;
    xp::ButtonPalette palette_;
    QString caption_;
    quint32 foreColor_ = 0;
    QFont pFONT_;
    int fontCharset_ = 0;  // kept only so that a stored font survives a round trip
    QString accessKey_;
    bool displayAsDefault_ = false;
    quintptr ownHwnd_ = 0;
    QPointer<QWidget> ParentHwnd_;
    mutable QImage surface_;
    mutable std::optional<DrawRequest> pending_;
    QSize drawnSize_;  // the size of the last DrawButton
    QSize shapeSize_;
    QShortcut* accessShortcut_ = nullptr;
    std::unique_ptr<InputBinding, InputBindingDeleter> input_;
};
