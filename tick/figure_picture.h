// Figures keep their picture file for long stretches (a rider's pose, a
// stander's): the frame files do not change while the game runs, so a
// picture an image already shows is not loaded again.
#pragma once

#include "platform/image.h"
#include "platform/picture.h"

inline void ShowFigurePicture(TImage& image, const AnsiString& path) {
    if (image.Picture->FileName() != path) image.Picture->LoadFromFile(path);
}
