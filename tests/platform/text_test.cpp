// Text: code page 1250, fonts, labels sizing themselves, memos.
#include <gtest/gtest.h>
#include <iconv.h>

#include "platform/cp1250.h"
#include "platform/headless.h"
#include "platform/text_raster.h"
#include "platform/vcl.h"
#include "tests/platform/bmp_writer.h"
#include "tests/support/support.h"

namespace {

// The C library's own converter, as a second opinion on our table.
std::string IconvToUtf8(const std::string& in) {
    iconv_t cd = iconv_open("UTF-8", "CP1250");
    if (cd == reinterpret_cast<iconv_t>(-1)) return "?";
    std::string out(in.size() * 4 + 4, '\0');
    char* src = const_cast<char*>(in.data());
    char* dst = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    size_t r = iconv(cd, &src, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1)) return "?";
    out.resize(out.size() - outLeft);
    return out;
}

TEST(CodePage1250, EveryAssignedByteMatchesTheSystemConverterAndComesBack) {
    const std::string unassigned = "\x81\x83\x88\x90\x98";
    for (int b = 1; b < 256; ++b) {
        std::string one(1, static_cast<char>(b));
        std::string utf8 = Cp1250ToUtf8(one);
        if (unassigned.find(static_cast<char>(b)) != std::string::npos) {
            EXPECT_EQ(utf8, "\xEF\xBF\xBD") << "byte " << b;  // U+FFFD
            continue;
        }
        EXPECT_EQ(utf8, IconvToUtf8(one)) << "byte " << b;
        EXPECT_EQ(Utf8ToCp1250(utf8), one) << "byte " << b;
    }
}

TEST(CodePage1250, TheAccentOfTheMessagesAndCzechLetters) {
    const AnsiString message = "You\xB4ve been fined";
    EXPECT_EQ(Cp1250ToUtf8(message), "You\xC2\xB4ve been fined");
    EXPECT_EQ(Cp1250ToUtf8("\xE1\xF8\xE8"), "\xC3\xA1\xC5\x99\xC4\x8D");  // á ř č
    EXPECT_EQ(Utf8ToCp1250("p\xC5\x99\x65ko\xC4\x8D\x65n\xC3\xAD"), "p\xF8" "eko\xE8" "en\xED");
    EXPECT_EQ(Utf8ToCp1250("\xE2\x98\x83 snow"), "? snow");  // not in the code page
    EXPECT_EQ(Utf8ToCp1250("\xC5"), "?");                     // cut short
}

TEST(Fonts, TheGamesFacesResolveToInstalledFilesAndUnknownOnesFallBack) {
    EXPECT_NE(ResolvedFontFile(TFont{.Name = "Arial", .Bold = true}).find("LiberationSans-Bold"), std::string::npos);
    EXPECT_NE(ResolvedFontFile(TFont{.Name = "Verdana"}).find("DejaVuSans"), std::string::npos);
    const TFont unknown{.Name = "No Such Face 1250", .Height = 20};
    testing::internal::CaptureStderr();
    TextExtent e = MeasureText(unknown, "Hello");
    MeasureText(unknown, "again");
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_GT(e.Width, 20);
    EXPECT_GE(e.Height, 20);
    EXPECT_NE(err.find("No Such Face 1250"), std::string::npos);
    EXPECT_EQ(err.find("No Such Face 1250"), err.rfind("No Such Face 1250"));  // said once
}

TEST(Fonts, HeightsAreCharacterHeightsInPixelsAndBoldIsWider) {
    TFont f{.Name = "Arial", .Height = 32};
    TextExtent regular = MeasureText(f, "CONTINUE GAME");
    f.Bold = true;
    TextExtent bold = MeasureText(f, "CONTINUE GAME");
    EXPECT_GT(bold.Width, regular.Width);
    EXPECT_GE(bold.Height, 32);
    EXPECT_LE(bold.Height, 40);
    // The accent has a glyph of its own: it is drawn, not a blank.
    auto mask = RenderTextMask(f, "\xB4");
    int ink = 0;
    for (auto a : mask->alpha) ink += a > 128;
    EXPECT_GT(ink, 3);
}

class LabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(form);
        label = new TLabel(form, "labLoading");
        label->Left = 400;
        label->Top = 670;
        label->SetFont(TFont{.Name = "Arial", .Height = 16, .Bold = true});
    }
    Headless h;
    TForm* form = nullptr;
    TLabel* label = nullptr;
};

TEST_F(LabelTest, ALabelSizesItselfAtOnceOnEveryCaptionOrFontChangeEvenWhileHidden) {
    label->Visible = false;
    label->SetCaption("Loading sounds");
    int w = label->Width;
    EXPECT_EQ(w, MeasureText(label->Font(), "Loading sounds").Width);
    label->SetCaption("Loading sounds and pictures");
    EXPECT_GT(label->Width, w);
    EXPECT_EQ(label->Left, 400);  // grows to the right
    int h16 = label->Height;
    TFont big = label->Font();
    big.Height = 37;
    label->SetFont(big);
    EXPECT_GT(label->Height, h16);
    label->SetCaption("");
    EXPECT_EQ(label->Width, MeasureText(big, " ").Width);  // empty measures as a space
    EXPECT_GT(label->Width, 0);
    label->AutoSize = false;
    label->SetBounds(0, 0, 10, 10);
    label->SetCaption("a much longer caption");
    EXPECT_EQ(label->Width, 10);
}

TEST_F(LabelTest, AMessagePanelSizesItselfToItsLabelAndLendsItItsColour) {
    auto* panel = new TPanel(form, "panVarovani");
    panel->SetBounds(8, 514, 461, 20);
    panel->AutoSize = true;
    panel->Color = clMaroon;
    auto* message = new TLabel(panel, "labVarovani");
    message->SetBounds(1, 1, 10, 10);
    message->Transparent = false;
    message->ParentColor = true;
    message->SetFont(TFont{.Name = "Arial", .Height = 15, .Bold = true, .Color = clYellow});
    message->SetCaption("(-20$) You\xB4ve been fined for speeding!");
    EXPECT_EQ(panel->Width, message->Width + 2);
    EXPECT_EQ(panel->Height, message->Height + 2);
    EXPECT_EQ(panel->Left, 8);
    panel->Color = clGreen;
    // The label's background follows the panel's colour; text is yellow.
    const FrameBuffer& fb = h.Render();
    int greens = 0, yellows = 0;
    for (int x = 9; x < 8 + panel->Width - 1; ++x)
        for (int y = 515; y < 514 + panel->Height - 1; ++y) {
            greens += fb.At(x, y) == ColorToRgb(clGreen);
            yellows += fb.At(x, y) == ColorToRgb(clYellow);
        }
    EXPECT_GT(greens, yellows);
    EXPECT_GT(yellows, 50);
}

TEST(Memo, LinesComeFromAFileAndAreWrappedToTheWidth) {
    testsupport::TempDir dir;
    Headless h;
    TForm* form = nullptr;
    Application->CreateForm(form);
    auto* memo = new TMemo(form, "memoTutorial");
    memo->SetBounds(16, 56, 200, 169);
    memo->Font = TFont{.Name = "Arial", .Height = 13, .Bold = true};
    const std::string path = dir.path() + "/1.txt";
    bmpfixture::WriteFile(path, std::vector<std::uint8_t>{'O', 'n', 'e', '\r', '\n', '\r', '\n', 'T', 'w', 'o', '\n'});
    memo->Lines.LoadFromFile(path);
    ASSERT_EQ(memo->Lines.Count(), 3);
    EXPECT_EQ(memo->Lines[1], "");
    EXPECT_EQ(memo->Lines.Text(), "One\r\n\r\nTwo");
    EXPECT_THROW(memo->Lines.LoadFromFile(dir.path() + "/2.txt"), EFOpenError);
    EXPECT_EQ(memo->Lines.Count(), 3);  // kept
    memo->Lines.Clear();
    memo->Lines.Add("Press D to open the doors when the tram stands at the stop and wait for the passengers");
    auto wrapped = memo->WrappedLines();
    ASSERT_GT(wrapped.size(), 2u);
    AnsiString joined;
    for (const auto& line : wrapped) {
        EXPECT_LE(MeasureText(memo->Font, line).Width, 200);
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, memo->Lines[0]);
}

}  // namespace
