#include "shell/StartupReads.h"

#include <fontconfig/fontconfig.h>
#include <sched.h>

namespace qm {

namespace {

// Started on the GUI thread's processor, the helper stays there and the two
// take turns: the toolkit's start then waits for the font configuration.
void keepOffProcessor(int processor) {
    cpu_set_t allowed;
    if (processor < 0 || sched_getaffinity(0, sizeof allowed, &allowed) != 0) return;
    CPU_CLR(processor, &allowed);
    if (CPU_COUNT(&allowed) > 0) sched_setaffinity(0, sizeof allowed, &allowed);
}

}  // namespace

// Fontconfig keeps the configuration it loads as its current one, where the
// toolkit's font database finds it; a concurrent load on the GUI thread is
// safe and merely wasted. Nothing else read here touches the toolkit's state.
StartupReads::StartupReads()
    : thread_([this, guiProcessor = sched_getcpu()] {
          keepOffProcessor(guiProcessor);
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
