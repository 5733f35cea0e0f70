// Fonts on a machine whose fontconfig setup offers none (an empty or
// broken configuration): the texts are drawn with a font from the usual
// font folders all the same; with no font anywhere, the player is told
// once. Each case runs in a process of its own, since the fonts are looked
// up once per process.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/application.h"
#include "platform/text_raster.h"
#include "tests/support/support.h"

namespace {

// Points fontconfig at a setup without a single font folder.
void UseAnEmptyFontconfigSetup(const std::string& folder) {
    const std::string file = folder + "/fonts.conf";
    std::ofstream(file) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    setenv("FONTCONFIG_FILE", file.c_str(), 1);
}

// Runs `check` (it returns what went wrong, "" when nothing) and ends the
// process with the verdict, after the check's temporary files are gone.
[[noreturn]] void RunAndExit(std::string (*check)()) {
    const std::string failure = check();
    if (!failure.empty()) std::fprintf(stderr, "%s\n", failure.c_str());
    std::exit(failure.empty() ? 0 : 1);
}

TFont Arial(int height, bool bold) {
    TFont f;
    f.Name = "Arial";
    f.Height = height;
    f.Bold = bold;
    return f;
}

std::string TextsAreDrawnWithAnInstalledFont() {
    testsupport::TempDir dir;
    UseAnEmptyFontconfigSetup(dir.path());
    const std::string file = ResolvedFontFile(Arial(24, false));
    if (file.find("Liberation") == std::string::npos) return "Arial resolved to \"" + file + "\"";
    if (ResolvedFontFile(Arial(37, true)).empty()) return "no bold face";
    const TextExtent extent = MeasureText(Arial(37, true), "CONTINUE GAME");
    const TextExtent wider = MeasureText(Arial(37, true), "CONTINUE GAME GAME");
    if (extent.Width <= 0 || wider.Width <= extent.Width) return "texts are not measured with a real font";
    if (!Application->Reports().empty()) return "reported: " + Application->Reports()[0].message;
    return "";
}

std::string NoFontAnywhereIsReportedOnce() {
    testsupport::TempDir dir;
    UseAnEmptyFontconfigSetup(dir.path());
    SetFallbackFontFolders({dir.path()});
    for (const TFont& font : {Arial(24, false), Arial(37, true), TFont{}}) {
        if (!ResolvedFontFile(font).empty()) return "a font was found: " + ResolvedFontFile(font);
        MeasureText(font, "QUIT GAME");
    }
    if (Application->Reports().size() != 1) return std::to_string(Application->Reports().size()) + " reports";
    std::fprintf(stderr, "%s\n", Application->Reports()[0].message.c_str());
    return "";
}

TEST(FontFallback, WithoutFontsInFontconfigsSetupTheTextsUseAnInstalledFont) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunAndExit(TextsAreDrawnWithAnInstalledFont), testing::ExitedWithCode(0), "");
}

TEST(FontFallback, WithNoFontAnywhereThePlayerIsToldOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunAndExit(NoFontAnywhereIsReportedOnce), testing::ExitedWithCode(0),
                "No font is installed; the game's texts cannot be shown.");
}

}  // namespace
