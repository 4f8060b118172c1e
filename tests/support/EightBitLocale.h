#pragma once

#include <QByteArray>
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>

// Switches the process to an ISO-8859-1 locale for the lifetime of the
// object, compiled with localedef into a folder of its own when the system
// has none installed; restores the previous locale after. isActive() is
// false when neither worked.
class EightBitLocale {
public:
    EightBitLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        if (std::setlocale(LC_ALL, "en_US.ISO-8859-1")) return;
        if (!folder_.isValid()) return;
        const int status = QProcess::execute(
            "localedef", {"-i", "en_US", "-f", "ISO-8859-1", folder_.filePath("en_US.ISO-8859-1")});
        if (status != 0) return;
        hadLocPath_ = std::getenv("LOCPATH") != nullptr;
        if (hadLocPath_) oldLocPath_ = std::getenv("LOCPATH");
        ::setenv("LOCPATH", folder_.path().toLocal8Bit().constData(), 1);
        std::setlocale(LC_ALL, "en_US.ISO-8859-1");
    }
    ~EightBitLocale() {
        std::setlocale(LC_ALL, previous_.constData());
        if (hadLocPath_) ::setenv("LOCPATH", oldLocPath_.constData(), 1);
        else ::unsetenv("LOCPATH");
    }
    bool isActive() const {
        const char* now = std::setlocale(LC_ALL, nullptr);
        return now && QByteArray(now) == "en_US.ISO-8859-1";
    }

private:
    QByteArray previous_;
    QTemporaryDir folder_;
    QByteArray oldLocPath_;
    bool hadLocPath_ = false;
};
