#pragma once

#include <QString>
#include <functional>

#include "services/StickPictures.h"

namespace qm {

struct MainWindowUi;

// Copies a picture file onto the chosen stick, as the main window knows it.
using CopyPicture = std::function<PictureCopy(const QString& picturePath, PictureUse use)>;

// A picture file dropped or pasted onto the background picture's name goes
// onto the stick, and its name into the field; one dropped or pasted onto
// the page source goes onto the stick, and an <img> of it where it was
// dropped, by the insertion rule. Each copy ends with the copier's message.
void connectPictureDrops(MainWindowUi& ui, CopyPicture copy);

}  // namespace qm
