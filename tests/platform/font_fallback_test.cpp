// Fonts on a machine whose fontconfig setup offers none (an empty or
// broken configuration): the texts are drawn with a font from the usual
// font folders all the same; with no font anywhere, the player is told
// once. A face that is installed under a family and a style is not taken
// for a missing one. Each case runs in a process of its own, since the
// fonts are looked up once per process.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/application.h"
#include "platform/fake_services.h"
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

// What the process writes to stderr while `body` runs.
template <class Body>
std::string StderrOf(const std::string& folder, Body body) {
    const std::string file = folder + "/stderr.txt";
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    const int capture = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(capture, STDERR_FILENO);
    close(capture);
    body();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    return testsupport::ReadFile(file);
}

int Lines(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
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

const char kNoFont[] = "No font is installed; the game's texts cannot be shown.";

// Every text of the game's faces, sizes and weights asked for with no font
// anywhere: measured, drawn and looked up.
void UseTextsWithoutAnyFont(const std::string& folder) {
    UseAnEmptyFontconfigSetup(folder);
    SetFallbackFontFolders({folder});
    for (const TFont& font : {Arial(24, false), Arial(37, true), Arial(13, false), TFont{}}) {
        MeasureText(font, "QUIT GAME");
        RenderTextMask(font, "NEW GAME");
        ResolvedFontFile(font);
    }
}

std::string NoFontAnywhereIsOneMessageBox() {
    testsupport::TempDir dir;
    FakeServices fake;
    const std::string err = StderrOf(dir.path(), [&] { UseTextsWithoutAnyFont(dir.path()); });
    if (!ResolvedFontFile(Arial(24, false)).empty()) return "a font was found: " + ResolvedFontFile(Arial(24, false));
    if (fake.messageBoxes.Shown().size() != 1) return std::to_string(fake.messageBoxes.Shown().size()) + " boxes";
    const FakeMessageBoxes::Box& box = fake.messageBoxes.Shown()[0];
    if (box.text != kNoFont || box.flags != (MB_OK | MB_ICONERROR)) return "the box says: " + box.text;
    // The game's own report box could only be blank.
    if (!Application->ShownReports().empty()) return "a report box without text is shown";
    if (!err.empty()) return "stderr has more: " + err;
    return "";
}

std::string WithoutADisplayTheMessageIsOneLineOnStderr() {
    testsupport::TempDir dir;
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    const std::string err = StderrOf(dir.path(), [&] { UseTextsWithoutAnyFont(dir.path()); });
    if (Lines(err, "\n") != 1 || Lines(err, kNoFont) != 1) return "stderr:\n" + err;
    return "";
}

// "DejaVu Sans Condensed" is installed as family "DejaVu Sans", style
// "Condensed": no word about it. A face that is really missing is named
// once, however often it is asked for.
std::string OnlyAFaceThatIsMissingIsNamed() {
    testsupport::TempDir dir;
    const std::string err = StderrOf(dir.path(), [] {
        for (const char* name : {"DejaVu Sans Condensed", "Nowhere Sans"})
            for (bool bold : {false, true}) {
                TFont font;
                font.Name = name;
                font.Bold = bold;
                MeasureText(font, "Linka 2");
            }
    });
    TFont condensed;
    condensed.Name = "DejaVu Sans Condensed";
    condensed.Bold = true;
    if (ResolvedFontFile(condensed).find("Condensed-Bold") == std::string::npos)
        return "condensed bold is " + ResolvedFontFile(condensed);
    if (Lines(err, "Condensed") != 0 || Lines(err, "font \"Nowhere Sans\" is not installed") != 1 ||
        Lines(err, "\n") != 1)
        return "stderr:\n" + err;
    return "";
}

TEST(FontFallback, WithoutFontsInFontconfigsSetupTheTextsUseAnInstalledFont) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunAndExit(TextsAreDrawnWithAnInstalledFont), testing::ExitedWithCode(0), "");
}

TEST(FontFallback, WithNoFontAnywhereThePlayerIsToldOnceInTheDesktopsBox) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunAndExit(NoFontAnywhereIsOneMessageBox), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(RunAndExit(WithoutADisplayTheMessageIsOneLineOnStderr), testing::ExitedWithCode(0), "");
}

TEST(FontFallback, AFaceNamedByFamilyAndStyleIsNotReportedMissing) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunAndExit(OnlyAFaceThatIsMissingIsNamed), testing::ExitedWithCode(0), "");
}

}  // namespace
