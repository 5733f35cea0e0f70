// Loading a picture where a missing file must not cut the work short.
#pragma once

#include "platform/vcl.h"

// Loads `path` into `image`. A file that cannot be opened is reported in
// the application's error box (as a handler's error would be, under the
// name `handler`) and the image keeps its previous picture. Returns
// whether the load succeeded.
bool LoadPictureReported(TImage& image, const AnsiString& path, const AnsiString& handler);
