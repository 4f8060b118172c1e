#pragma once

#include <QString>
#include <vector>

namespace qm {

class VolumeScanner;
struct Volume;

// Finding the PSP's memory stick: the first removable volume, in mount-point
// order, whose root holds MEMSTICK.IND.

// The drive found by the latest detection that ran to its end; empty until then.
const QString& detectedDrive();

// The detection walk. Without a match it shows "PSP not Detected.", lets
// pending events run, and returns the last removable volume examined (or the
// empty string when there was none).
QString findStickDrive(const VolumeScanner& scanner);
QString findStickDrive(const std::vector<Volume>& volumes);

// Sets DetectedDrive to FindPSPDrive's result.
void detectDrive(const std::vector<Volume>& volumes);

// The walk without its message and fallback: the first removable volume
// whose root holds MEMSTICK.IND, or the empty string.
QString findStick(const VolumeScanner& scanner);

// For mounts that come while the program runs: DetectedDrive becomes the
// stick FindStick finds; without one it stays as it was. Returns the stick.
QString detectStick(const VolumeScanner& scanner);

}  // namespace qm
