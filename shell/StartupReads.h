#pragma once

#include <future>
#include <thread>

#include "shell/MainWindow.h"

namespace qm {

// Reads from files, on a helper thread while the toolkit connects to the
// display, what the first window needs: the font configuration, which the
// first text widget would otherwise wait for, and the main window's layout
// and mounts. Create it before the QApplication.
class StartupReads {
public:
    explicit StartupReads(const VolumeScanner& scanner = VolumeScanner());
    ~StartupReads();
    StartupReads(const StartupReads&) = delete;
    StartupReads& operator=(const StartupReads&) = delete;

    // Waits for the reads, not for the thread, whose exit would hold the
    // window back; once only.
    MainWindowReads take();

private:
    std::promise<MainWindowReads> promise_;
    std::future<MainWindowReads> reads_ = promise_.get_future();
    std::thread thread_;  // last: it fulfils promise_
};

}  // namespace qm
