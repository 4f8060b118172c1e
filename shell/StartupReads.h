#pragma once

#include <optional>
#include <thread>

#include "shell/MainWindow.h"

namespace qm {

// Reads what the first window needs from files on a helper thread, while the
// toolkit connects to the display: the font configuration, which the first
// text widget would otherwise wait for, and the main window's sources.
// Create it before the QApplication.
class StartupReads {
public:
    StartupReads();
    ~StartupReads();
    StartupReads(const StartupReads&) = delete;
    StartupReads& operator=(const StartupReads&) = delete;

    // Waits for the reads to end; once only.
    MainWindowSources takeMainWindowSources();

private:
    std::optional<MainWindowSources> sources_;
    std::thread thread_;  // last: it writes sources_
};

}  // namespace qm
