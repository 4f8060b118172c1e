#pragma once

#include "windows/Form.h"

namespace qm {

// Form3, the About window: fixed content, closed by its "&OK" button.
class AboutForm : public Form {
    Q_OBJECT
public:
    AboutForm();
};

// Shows the About window: the open one again, or a new one.
AboutForm* showAbout();

// Closes the open About window, if any, and forgets it at once: the next
// showAbout makes a new one even before the closed one is deleted.
void closeAbout();

}  // namespace qm
