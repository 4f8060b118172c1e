#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>

#include "PropertyBag.h"

// The program's own XP-style push button. Stand-in look until the renderer
// lands; the public surface below is what windows and commands rely on.
class ccXPButton : public QWidget {
    Q_OBJECT
public:
    explicit ccXPButton(QWidget* parent = nullptr);
    ~ccXPButton() override;

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    // Restores the stored properties of a window layout.
    void readProperties(const xp::PropertyBag& bag);
    xp::PropertyBag writeProperties() const;

signals:
    void Click();
    void DblClick();
    void MouseMove(short button, short shift, float x, float y);
    void FormActivate(int state);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
};
