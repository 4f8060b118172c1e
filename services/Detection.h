#pragma once

#include <QString>
#include <vector>

namespace qm {

struct Volume;

// What detection found among the mounted volumes.
struct DetectedDrive {
    // The stick; without one, the last removable volume examined; empty when
    // there was none.
    QString drive;
    bool isStick = false;
};

// Finds the PSP's memory stick: the first removable volume, in mount-point
// order, whose root holds MEMSTICK.IND. Floppies are never examined.
DetectedDrive detectDrive(const std::vector<Volume>& volumes);

}  // namespace qm
