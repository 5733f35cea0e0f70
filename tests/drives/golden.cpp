#include "tests/drives/golden.h"

#include <SDL_ttf.h>
#include <cairo.h>
#include <gtest/gtest.h>
#include <pixman.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/text_raster.h"
#include "tests/support/support.h"

namespace drives {

namespace {

std::string GoldenPath(const std::string& file) { return testsupport::SourceDir() + "/tests/drives/golden/" + file; }

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The first differing line of two texts, with the lines before and after it.
std::string FirstDifference(const std::string& recorded, const std::string& now) {
    const auto a = Lines(recorded), b = Lines(now);
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    if (i == a.size() && i == b.size()) return "";
    std::ostringstream out;
    out << "first difference at line " << i + 1 << "\n";
    auto show = [&out, i](const char* title, const std::vector<std::string>& lines) {
        out << title << "\n";
        const std::size_t from = i > 6 ? i - 6 : 0;
        for (std::size_t k = from; k < std::min(lines.size(), i + 4); ++k)
            out << (k == i ? ">> " : "   ") << lines[k] << "\n";
        if (i >= lines.size()) out << ">> (end)\n";
    };
    show("recorded:", a);
    show("this run:", b);
    return out.str();
}

// What the frame hashes depend on beyond the project's own code: the font
// files found for the game's faces (its labels and buttons) and for the
// faces the asset generator draws with, and the rasterising libraries.
std::string FontLine(const std::string& face, const std::string& file) {
    const std::string bytes = testsupport::ReadFile(file);
    return "font " + face + ": " + std::filesystem::path(file).filename().string() + " " +
           std::to_string(bytes.size()) + " " + HashOf(bytes.data(), bytes.size()) + "\n";
}

std::string RenderingEnvironment() {
    std::ostringstream out;
    // The game's labels and buttons, then the faces the asset generator
    // asks fontconfig for.
    for (const auto& [name, bold] :
         {std::pair{"Arial", false}, {"Arial", true}, {"Verdana", true}, {"MS Sans Serif", false},
          {"DejaVu Sans", false}, {"DejaVu Sans", true}, {"DejaVu Sans Condensed", false},
          {"DejaVu Sans Condensed", true}, {"DejaVu Serif", true}}) {
        TFont font;
        font.Name = name;
        font.Bold = bold;
        out << FontLine(std::string(name) + (bold ? " bold" : ""), ResolvedFontFile(font));
    }
    int major = 0, minor = 0, patch = 0;
    TTF_GetFreeTypeVersion(&major, &minor, &patch);
    const SDL_version* ttf = TTF_Linked_Version();
    out << "freetype " << major << "." << minor << "." << patch << ", SDL_ttf " << int(ttf->major) << "."
        << int(ttf->minor) << "." << int(ttf->patch) << ", cairo " << cairo_version_string() << ", pixman "
        << pixman_version_string() << "\n";
    return out.str();
}

void ExpectFrames(const std::string& drive, DriveTrace& trace, bool update) {
    if (trace.Frames().empty()) return;
    const std::string environment = RenderingEnvironment();
    std::string frames;
    for (const auto& [moment, hash] : trace.Frames()) frames += "frame " + moment + " " + hash + "\n";
    const std::string path = GoldenPath(drive + ".frames");
    if (update) {
        std::ofstream(path) << environment << frames;
        return;
    }
    const std::string recorded = testsupport::ReadFile(path);
    if (recorded.compare(0, environment.size(), environment) != 0) {
        std::cout << "frames of " << drive << " not compared: they were recorded where\n"
                  << recorded.substr(0, recorded.find("frame ")) << "and this machine has\n"
                  << environment << "(KORVALO_UPDATE_GOLDEN=1 records them here)\n";
        return;
    }
    const std::string recordedFrames = recorded.substr(environment.size());
    if (recordedFrames == frames) return;
    const std::string artifacts = testsupport::GameDir() + "/../artifacts";
    std::filesystem::create_directories(artifacts);
    for (const std::string& line : Lines(frames)) {
        if (recordedFrames.find(line + "\n") != std::string::npos) continue;
        const std::string moment = line.substr(6, line.find(' ', 6) - 6);
        const std::string png = artifacts + "/" + drive + "-" + moment + ".png";
        trace.WriteFramePng(moment, png);
        ADD_FAILURE() << drive << ": the screen at \"" << moment << "\" differs from the recorded one; see " << png;
    }
    EXPECT_EQ(recordedFrames, frames);
}

}  // namespace

void ExpectGolden(const std::string& drive, DriveTrace& trace) {
    const bool update = std::getenv("KORVALO_UPDATE_GOLDEN") != nullptr;
    const std::string path = GoldenPath(drive + ".txt");
    if (update) {
        std::ofstream(path) << trace.Text();
    } else {
        const std::string recorded = testsupport::ReadFile(path);
        ASSERT_FALSE(recorded.empty()) << "no recorded trace " << path << "; run with KORVALO_UPDATE_GOLDEN=1";
        const std::string difference = FirstDifference(recorded, trace.Text());
        if (!difference.empty())
            ADD_FAILURE() << drive << ": the drive no longer traces as recorded (" << path << "); " << difference;
    }
    ExpectFrames(drive, trace, update);
}

}  // namespace drives
