#include "shell/StartupReads.h"

#include <fontconfig/fontconfig.h>

#include <utility>

namespace qm {

// Fontconfig keeps the configuration it loads as its current one, where the
// toolkit's font database finds it; a concurrent load on the GUI thread is
// safe and merely wasted. Nothing else read here touches the toolkit's state.
StartupReads::StartupReads()
    : thread_([this] {
          FcInit();
          sources_.emplace(readMainWindowSources());
      }) {}

StartupReads::~StartupReads() {
    if (thread_.joinable()) thread_.join();
}

MainWindowSources StartupReads::takeMainWindowSources() {
    thread_.join();
    return std::move(*sources_);
}

}  // namespace qm
