#pragma once

#include <future>
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

    // Waits for the reads to end, not for the thread, whose exit would hold
    // the window back; once only.
    MainWindowSources takeMainWindowSources();

private:
    std::promise<MainWindowSources> reads_;
    std::future<MainWindowSources> sources_ = reads_.get_future();
    std::thread thread_;  // last: it fulfils reads_
};

}  // namespace qm
