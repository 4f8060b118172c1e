#include "PanelCommands.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>

#include "Form.h"
#include "Twips.h"
#include "ccXPButton.h"

namespace {

constexpr PanelCommand kButtonCommands[] = {
    PanelCommand::cmdTEXT, PanelCommand::AddBackground, PanelCommand::AddHyperlink,
    PanelCommand::Hide,    PanelCommand::Hide2,         PanelCommand::ccXPButton1,
    PanelCommand::BGSwitch, PanelCommand::BGSwitch2,    PanelCommand::Collapse,
    PanelCommand::Expand,
};

// Replaces the text as one edit, so that Ctrl+Z brings back what the user
// had typed; setText and setPlainText would drop the undo history.
void setFieldText(QWidget* field, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        if (line->text() == text) return;
        line->selectAll();
        line->insert(text);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(field)) {
        if (box->toPlainText() == text) return;
        QTextCursor all(box->document());
        all.select(QTextCursor::Document);
        all.insertText(text);
    }
}

}  // namespace

PanelController::PanelController(Form* mainWindow) : QObject(mainWindow), window_(mainWindow) {}

void PanelController::run(PanelCommand command) {
    const FormControls& controls = window_->controls();
    for (const PanelStep& step : commandSteps(command)) {
        switch (step.kind) {
        case PanelStep::Kind::Show:
        case PanelStep::Kind::Hide:
            if (QWidget* w = controls.widget(step.control)) w->setVisible(step.kind == PanelStep::Kind::Show);
            break;
        case PanelStep::Kind::SetText: setFieldText(controls.widget(step.control), step.text); break;
        case PanelStep::Kind::SetWidth:
            // The window manager draws its own frame: keep the client area
            // the design frame leaves, so the left half is never cut.
            window_->setFixedSize(twipsToPixels(step.twips - kDesignFrameTwips), window_->height());
            break;
        }
    }
    state_ = applyCommand(state_, command);
    keepCoveredControlsOutOfTabOrder();
}

// An open panel covers the commands column, and a collapsed window cuts it
// off: what the user cannot see must not take the focus by Tab.
void PanelController::keepCoveredControlsOutOfTabOrder() {
    const QRect client = window_->rect();
    QList<QRect> panels;
    for (const char* frame : {"Frame1", "Frame2", "Frame3"}) {
        if (QWidget* w = window_->controls().widget(QLatin1String(frame)); w && !w->isHidden())
            panels << w->geometry();
    }
    static const char* const savedPolicy = "quillmereFocusPolicy";
    for (QWidget* child : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect place = child->geometry();
        const bool covered =
            !client.contains(place) ||
            std::any_of(panels.begin(), panels.end(), [&](const QRect& p) { return p.contains(place); });
        const QVariant saved = child->property(savedPolicy);
        if (covered && child->focusPolicy() != Qt::NoFocus) {
            child->setProperty(savedPolicy, int(child->focusPolicy()));
            child->setFocusPolicy(Qt::NoFocus);
        } else if (!covered && saved.isValid()) {
            child->setFocusPolicy(Qt::FocusPolicy(saved.toInt()));
            child->setProperty(savedPolicy, QVariant());
        }
    }
}

void PanelController::applyInitialState() {
    static const char* const hidden[] = {"Frame1", "Frame2", "Frame3", "AddColour",
                                         "Colours", "Text4", "Label8", "Text5"};
    for (const char* name : hidden) {
        if (QWidget* w = window_->controls().widget(QString::fromLatin1(name))) w->hide();
    }
    state_ = PanelState{};
    keepCoveredControlsOutOfTabOrder();
}

void PanelController::connectButtons() {
    for (PanelCommand command : kButtonCommands) {
        if (auto* button = window_->controls().get<qm::ccXPButton>(commandButton(command)))
            connect(button, &qm::ccXPButton::clicked, this, [this, command] { run(command); });
    }
}
