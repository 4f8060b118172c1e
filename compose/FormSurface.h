#pragma once

#include "ComposeCommand.h"

#include <functional>

class FormControls;

// The composition commands' view of the main window's widgets.
class FormSurface : public ComposeSurface {
public:
    // Runs a panel command; false when it could not. An empty one fails every
    // panel step.
    using PanelRunner = std::function<bool(PanelCommand)>;

    FormSurface(const FormControls& controls, PanelRunner panels);

    std::optional<QString> text(const QString& control) const override;
    bool replaceSelection(const QString& field, const QString& fragment) override;
    bool clearText(const QString& field) override;
    bool giveFocus(const QString& field) override;
    bool setVisible(const QString& control, bool visible) override;
    bool runPanel(PanelCommand command) override;

private:
    const FormControls& controls_;
    PanelRunner panels_;
};
