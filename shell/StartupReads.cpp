#include "shell/StartupReads.h"

#include <fontconfig/fontconfig.h>
#include <sched.h>

namespace qm {

namespace {

// Started on the GUI thread's processor, the helper often stays there and the
// two take turns: the main window then paints some 6 ms (5 %) later, measured
// over 51 starts with bench/startup. With a single processor it stays put.
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
StartupReads::StartupReads(const VolumeScanner& scanner)
    : thread_([this, scanner, guiProcessor = sched_getcpu()] {
          keepOffProcessor(guiProcessor);
          FcInit();
          promise_.set_value(readMainWindow(scanner));
      }) {}

StartupReads::~StartupReads() {
    thread_.join();
}

MainWindowReads StartupReads::take() {
    return reads_.get();
}

}  // namespace qm
