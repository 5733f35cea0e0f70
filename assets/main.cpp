// korvalo_assets <out-dir>                 writes the whole asset set
// korvalo_assets <out-dir> --only <text>   only the files whose path contains <text>
// korvalo_assets --sheet <game-dir> <out>  contact sheets (PNG) of a written set
// korvalo_assets --png <bmp> <png> <scale> [x y w h]  one picture (or part) as a PNG
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include "assets/catalogue.h"
#include "assets/contact_sheet.h"

int main(int argc, char** argv) {
    using namespace assets;
    if (argc == 4 && std::strcmp(argv[1], "--sheet") == 0) return WriteContactSheets(argv[2], argv[3]) ? 0 : 1;
    if ((argc == 5 || argc == 9) && std::strcmp(argv[1], "--png") == 0) {
        auto arg = [&](int i) { return argc == 9 ? std::atoi(argv[i]) : 0; };
        return BmpToPng(argv[2], argv[3], std::atoi(argv[4]), arg(5), arg(6), arg(7), arg(8)) ? 0 : 1;
    }
    if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--only") == 0)) {
        std::fprintf(stderr, "usage: korvalo_assets <out-dir> [--only <text>]\n"
                             "       korvalo_assets --sheet <game-dir> <out-dir>\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    Catalogue all;
    AddScreens(all);
    AddPanels(all);
    AddLandscapes(all);
    AddRoads(all);
    AddSchemes(all);
    AddTrams(all);
    AddStreetFurniture(all);
    AddCars(all);
    AddPeople(all);
    AddPreviews(all);
    AddFormArtwork(all);
    AddTexts(all);
    AddSounds(all);

    Catalogue chosen;
    const Catalogue* target = &all;
    if (argc == 4) {
        for (const Output& o : all.outputs())
            if (o.path.find(argv[3]) != std::string::npos) chosen.Add(o);
        target = &chosen;
    }
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    const int failures = WriteAll(*target, argv[1], threads);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("korvalo_assets: %zu files in %.1f s\n", target->outputs().size(), seconds);
    // Hand back the font caches, so leak checkers see a clean exit.
    cairo_debug_reset_static_data();
    FcFini();
    return failures == 0 ? 0 : 1;
}
