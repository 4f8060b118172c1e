#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "PanelModel.h"

// What the composition commands need of the main window, by control name.
// Each operation returns false (or nothing) when it fails: the control is
// missing, of the wrong kind, or cannot take the focus.
class ComposeSurface {
public:
    virtual ~ComposeSurface() = default;

    // A field's text (line breaks CR LF), a label's caption or a combo box's text.
    virtual std::optional<QString> text(const QString& control) const = 0;
    virtual bool replaceSelection(const QString& field, const QString& fragment) = 0;
    virtual bool clearText(const QString& field) = 0;
    virtual bool giveFocus(const QString& field) = 0;
    virtual bool setVisible(const QString& control, bool visible) = 0;
    virtual bool runPanel(PanelCommand command) = 0;
};

// Builds a fragment from the window's fields; nothing when a field cannot be read.
using FragmentSource = std::function<std::optional<QString>(const ComposeSurface&)>;

struct ComposeStep {
    enum class Kind { Insert, Focus, Clear, Show, Hide, Panel };
    Kind kind;
    QString control;             // the field or button the step acts on
    FragmentSource fragment;     // Insert only
    PanelCommand panel{};        // Panel only
};

// Some commands stop at their first failing step; the others skip it and go on.
enum class OnFailure { Stop, GoOn };

struct ComposeCommand {
    QString name;
    OnFailure onFailure = OnFailure::Stop;
    std::vector<ComposeStep> steps;
};

struct RunResult {
    int failedSteps = 0;
    bool stopped = false;     // a failing step ended the command
    int firstFailure = -1;    // index of the first failing step
};

RunResult runCommand(const ComposeCommand& command, ComposeSurface& surface);
