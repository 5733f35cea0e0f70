// The texts read in code page 1250 with CRLF line ends and fit their boxes:
// the tutorial memo across the screen, the depot's description memos.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cp1250.h"
#include "tests/assets/asset_reader.h"

namespace {

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> out;
    size_t from = 0;
    for (size_t at; (at = bytes.find("\r\n", from)) != std::string::npos; from = at + 2)
        out.push_back(bytes.substr(from, at - from));
    if (from < bytes.size()) out.push_back(bytes.substr(from));
    return out;
}

void ExpectCleanText(const std::string& path, size_t maxLines, size_t maxChars) {
    const std::string bytes = asset_test::Bytes(path);
    ASSERT_FALSE(bytes.empty()) << path;
    EXPECT_NE(bytes.compare(0, 3, "\xEF\xBB\xBF"), 0) << path << " starts with a byte order mark";
    EXPECT_EQ(Cp1250ToUtf8(bytes).find("\xEF\xBF\xBD"), std::string::npos) << path << " is not code page 1250";
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << path << " has a bare LF";
        }
        if (bytes[i] == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << path << " has a bare CR";
        }
        EXPECT_NE(bytes[i], '\t') << path;
    }
    const auto lines = Lines(bytes);
    EXPECT_LE(lines.size(), maxLines) << path;
    for (const std::string& l : lines) EXPECT_LE(l.size(), maxChars) << path << ": " << l;
}

TEST(AssetTexts, TutorialPagesTeachTheControlsInOrder) {
    std::string all;
    for (int page = 1; page <= 6; ++page) {
        const std::string path = "Data/Tutorial/" + std::to_string(page) + ".txt";
        ExpectCleanText(path, 9, 120);
        const std::string text = asset_test::Bytes(path);
        EXPECT_EQ(text.rfind("TUTORIAL " + std::to_string(page) + "/6", 0), 0u) << path;
        all += text;
    }
    for (const char* must : {"Q = ", "W = ", "E = ", "R = ", "T = ", "D ", "MAIN MENU", "NEXT", "33 km/h", "$5",
                             "$20", "$50", "$100", "Nemajetni", "Delnici", "Urednici", "Elita", "depot"})
        EXPECT_NE(all.find(must), std::string::npos) << "the tutorial never mentions " << must;
}

TEST(AssetTexts, DepotDescriptionsFitTheirMemos) {
    for (int n = -1; n <= 6; ++n) ExpectCleanText("Textures/Nahledy/Tramvaje/" + std::to_string(n) + ".txt", 5, 30);
    for (int n = 0; n <= 10; ++n) ExpectCleanText("Textures/Nahledy/Linky/" + std::to_string(n) + ".txt", 5, 30);
    EXPECT_NE(asset_test::Bytes("Textures/Nahledy/Tramvaje/-1.txt").find("No tram"), std::string::npos);
}

}  // namespace
