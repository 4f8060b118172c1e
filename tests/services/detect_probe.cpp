// Prints what detection finds on this machine's real volumes, as the mount
// point's bytes; with "make FOLDER", makes the page there and prints the outcome.
#include <cstdio>
#include <cstring>

#include "services/Detection.h"
#include "services/MakePage.h"
#include "services/PathBytes.h"
#include "services/Volumes.h"

using namespace qm;

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "make") == 0) {
        const qm::WriteResult result = qm::makePage(VolumeScanner(), qm::pathFromBytes(argv[2]), "<B>page</B>");
        std::printf("%s\n", result.ok ? "made" : qPrintable(result.error));
        return result.ok ? 0 : 1;
    }
    std::printf("%s\n", qm::pathToBytes(qm::detectDrive(VolumeScanner().volumes()).drive).constData());
    return 0;
}
