#include "ComposeCommand.h"

namespace {

bool runStep(const ComposeStep& step, ComposeSurface& surface) {
    switch (step.kind) {
    case ComposeStep::Kind::Insert: {
        // Reading the fields and inserting are one step: a fragment goes in
        // whole or not at all.
        const std::optional<QString> fragment = step.fragment(surface);
        return fragment && surface.replaceSelection(step.control, *fragment);
    }
    case ComposeStep::Kind::Focus: return surface.giveFocus(step.control);
    case ComposeStep::Kind::Clear: return surface.clearText(step.control);
    case ComposeStep::Kind::Show: return surface.setVisible(step.control, true);
    case ComposeStep::Kind::Hide: return surface.setVisible(step.control, false);
    case ComposeStep::Kind::Panel: return surface.runPanel(step.panel);
    }
    return false;
}

}  // namespace

RunResult runCommand(const ComposeCommand& command, ComposeSurface& surface) {
    RunResult result;
    for (std::size_t i = 0; i < command.steps.size(); ++i) {
        if (runStep(command.steps[i], surface)) continue;
        if (result.failedSteps++ == 0) result.firstFailure = static_cast<int>(i);
        if (command.onFailure == OnFailure::Stop) {
            result.stopped = true;
            break;
        }
    }
    return result;
}
