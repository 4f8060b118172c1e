#include "shell/FontWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace qm {

// Fontconfig keeps the configuration it loads as its current one, where the
// toolkit's font database finds it; a concurrent load on the GUI thread is
// safe and merely wasted.
FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}

void FontWarmUp::finish() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace qm
