#include "ComposeCommands.h"

#include <QLoggingCategory>
#include <QPointer>

#include "ComposeTable.h"
#include "Form.h"
#include "FormSurface.h"
#include "PanelCommands.h"
#include "ccXPButton.h"

Q_LOGGING_CATEGORY(lcCompose, "quillmere.compose")

void connectComposeCommands(Form* mainWindow, PanelController* panels) {
    QPointer<PanelController> panelGuard(panels);
    for (const QString& name : composeCommandNames()) {
        auto* button = mainWindow->controls().get<ccXPButton>(name);
        if (!button) {
            qCWarning(lcCompose) << "no button" << name << "on the main window";
            continue;
        }
        QObject::connect(button, &ccXPButton::Click, mainWindow, [mainWindow, panelGuard, name] {
            const std::optional<ComposeCommand> command = composeCommand(name);
            FormSurface surface(mainWindow->controls(), [panelGuard](PanelCommand panel) {
                if (!panelGuard) return false;
                panelGuard->run(panel);
                return true;
            });
            const RunResult result = runCommand(*command, surface);
            // A command that stops at a failing step has nothing to tell the
            // user; the log keeps the trace.
            if (result.failedSteps > 0)
                qCWarning(lcCompose) << name << "step" << result.firstFailure << "failed"
                                     << (result.stopped ? "; stopped" : "; went on");
        });
    }
}
