#pragma once

#include <QString>
#include <QWidget>

#include "windows/FormControls.h"
#include "windows/Layout.h"

namespace qm {

// Builds a window from its layout resource: sets the window's caption, size,
// border and flags on `window`, creates every control as its child, and returns
// them by name. A malformed layout ends the program with a message naming the
// file and the entry.
FormControls buildForm(const QString& layoutResource, QWidget* window);

// The same from layout data already read.
FormControls buildForm(const WindowLayout& layout, QWidget* window);

// Reads a layout resource; a missing or malformed one ends the program.
WindowLayout loadLayout(const QString& layoutResource);

// Ends the program over a broken window layout, saying what is wrong.
[[noreturn]] void failLayout(const QString& message);

}  // namespace qm
