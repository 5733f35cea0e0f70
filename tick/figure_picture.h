// Figures keep their picture file for long stretches (a rider's pose, a
// stander's): the frame files do not change while the game runs, so a
// picture an image already shows is not loaded again.
//
// Passengers and passers-by share the figure folders: `look` is the
// passenger class or the passer-by's appearance. The paths are built in
// the tick's shared buffer (asset_path.h).
#pragma once

#include "platform/image.h"
#include "platform/picture.h"
#include "tick/asset_path.h"

inline void ShowFigurePicture(TImage& image, const AnsiString& path) {
    if (image.Picture->FileName() != path) image.Picture->LoadFromFile(path);
}

// A frame of the walk cycle on the way along the street and into the tram.
inline const AnsiString& WalkFramePath(int32 look, int32 direction, int32 frame) {
    return NewPath()
        .Text("Textures/LidePohyb1/")
        .Number(look)
        .Text("/")
        .Number(direction)
        .Number(frame)
        .Text(".bmp")
        .Str();
}

// A standing pose, given by its three digits.
inline const AnsiString& StandingPosePath(int32 look, int32 a, int32 b, int32 c) {
    return NewPath()
        .Text("Textures/LideStatic/")
        .Number(look)
        .Text("/")
        .Number(a)
        .Number(b)
        .Number(c)
        .Text(".bmp")
        .Str();
}
