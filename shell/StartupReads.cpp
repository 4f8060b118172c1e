#include "shell/StartupReads.h"

#include <fontconfig/fontconfig.h>

namespace qm {

// Fontconfig keeps the configuration it loads as its current one, where the
// toolkit's font database finds it; a concurrent load on the GUI thread is
// safe and merely wasted. Nothing else read here touches the toolkit's state.
StartupReads::StartupReads(const VolumeScanner& scanner)
    : thread_([this, scanner] {
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
