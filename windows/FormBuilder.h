#pragma once

#include <QString>
#include <QWidget>

#include "FormControls.h"

// Builds a window from its layout resource: sets the window's caption, size,
// border and flags on `window`, creates every control as its child, and returns
// them by name. A malformed layout ends the program with a message naming the
// file and the entry.
FormControls buildForm(const QString& layoutResource, QWidget* window);
