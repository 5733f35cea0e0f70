// The generator makes the same bytes on every run: a second run into a
// fresh folder gives exactly the files the build put into the game folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/assets/asset_reader.h"
#include "tests/support/support.h"

namespace {

TEST(AssetGenerator, SecondRunGivesTheSameBytes) {
    const std::string generator = testsupport::GameDir() + "/../korvalo_assets";
    ASSERT_TRUE(std::filesystem::exists(generator)) << generator;
    testsupport::TempDir out;
    const std::string command = "\"" + generator + "\" \"" + out.path() + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto files = asset_test::AllAssetFiles();
    ASSERT_GT(files.size(), 900u);
    for (const std::string& f : files)
        ASSERT_TRUE(asset_test::Bytes(f) == asset_test::Bytes(out.path() + "/" + f)) << f << " differs";
    size_t fresh = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(out.path())) fresh += e.is_regular_file();
    EXPECT_EQ(fresh, files.size());
}

}  // namespace
