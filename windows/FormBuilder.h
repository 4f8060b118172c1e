#pragma once

#include <QString>
#include <QWidget>

#include "windows/FormControls.h"
#include "windows/Layout.h"

namespace qm {

// Builds a window from its layout: sets the window's caption, size, border
// and flags on `window`, creates every control as its child, and returns them
// by name. A picture it cannot read ends the program, saying which.
FormControls buildForm(const WindowLayout& layout, QWidget* window);

// Reads a layout resource. A missing or malformed one ends the program with
// a message naming the file and the entry. Safe on any thread.
WindowLayout loadLayout(const QString& layoutResource);

// Ends the program over a broken window layout, saying what is wrong.
[[noreturn]] void failLayout(const QString& message);

}  // namespace qm
