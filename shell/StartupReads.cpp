#include "shell/StartupReads.h"

#include <fontconfig/fontconfig.h>

namespace qm {

// Fontconfig keeps the configuration it loads as its current one, where the
// toolkit's font database finds it; a concurrent load on the GUI thread is
// safe and merely wasted. Nothing else read here touches the toolkit's state.
StartupReads::StartupReads()
    : thread_([this] {
          FcInit();
          reads_.set_value(readMainWindowSources());
      }) {}

StartupReads::~StartupReads() {
    thread_.join();
}

MainWindowSources StartupReads::takeMainWindowSources() {
    return sources_.get();
}

}  // namespace qm
