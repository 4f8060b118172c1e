#pragma once

#include <thread>

namespace qm {

// Reads the font configuration on a helper thread while the toolkit connects
// to the display: the first text widget would otherwise wait for it, and with
// it the first window. Create it before the QApplication; finish() before the
// application object goes away.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp() { finish(); }
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    void finish();

private:
    std::thread thread_;
};

}  // namespace qm
