// A drive's trace against its recorded golden files:
//   tests/drives/golden/<drive>.txt      the trace (machine-independent);
//   tests/drives/golden/<drive>.frames   the frame hashes, headed by the
//                                        rendering environment they need.
// With KORVALO_UPDATE_GOLDEN=1 both are written instead; look at the
// difference before committing them.
//
// A differing trace fails with its first differing line and the lines
// around it. Frame hashes depend on the font files the text renderer and
// the asset generator find through fontconfig and on the versions of the
// libraries that rasterise (FreeType, cairo, pixman, SDL_ttf): the frames
// file records them, the frames are compared only where they are the same
// (elsewhere the test says what differs and skips the frames), and a
// differing frame is written to <build>/artifacts/<drive>-<moment>.png.
#pragma once

#include <string>

#include "tests/drives/trace.h"

namespace drives {

void ExpectGolden(const std::string& drive, DriveTrace& trace);

}  // namespace drives
