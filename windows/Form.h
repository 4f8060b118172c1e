#pragma once

#include <QPointer>
#include <QWidget>

#include "windows/FormControls.h"

namespace qm {

struct WindowLayout;

// A top-level window built from a layout resource. Its load step runs once,
// before it first becomes visible; its unload step runs when it is closed,
// after which it is deleted.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const QString& layoutResource, QWidget* parent = nullptr);
    // From a layout read beforehand.
    explicit Form(const WindowLayout& layout, QWidget* parent = nullptr);

    FormControls& controls() { return controls_; }
    const FormControls& controls() const { return controls_; }

    // Shows the window without modality and activates it; runs the load step
    // on the first call.
    void showForm();

protected:
    virtual void load() {}
    virtual void unload() {}
    void closeEvent(QCloseEvent* event) override;

private:
    FormControls controls_;
    bool loaded_ = false;
};

// One instance per window: shows the open one again, or creates it.
template <class F, class... Args>
F* showSingle(QPointer<F>& slot, Args&&... args) {
    if (!slot) slot = new F(std::forward<Args>(args)...);
    slot->showForm();
    return slot;
}

}  // namespace qm
