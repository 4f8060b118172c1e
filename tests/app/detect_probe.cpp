// Prints what detection finds on this machine's real volumes.
#include <QCoreApplication>
#include <cstdio>

#include "Detection.h"
#include "Messages.h"
#include "Volumes.h"

using namespace qm;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    qm::setMessageSink([](const qm::Message& m) { std::printf("message: %s\n", qPrintable(m.text)); });
    std::printf("%s\n", qPrintable(Module1::FindPSPDrive(VolumeScanner())));
    return 0;
}
