// Contact sheets: the pictures of a written asset set laid out on PNG pages
// (key-coloured pixels shown as a checkerboard), plus a driving scene
// composed the way the game stacks it, for reviewing the look at a glance.
#pragma once

#include <string>

namespace assets {

bool WriteContactSheets(const std::string& gameDir, const std::string& outDir);

// One BMP (or the part x, y, w, h of it) as a PNG, enlarged `scale` times.
bool BmpToPng(const std::string& bmpPath, const std::string& pngPath, int scale, int x = 0, int y = 0, int w = 0,
              int h = 0);

}  // namespace assets
