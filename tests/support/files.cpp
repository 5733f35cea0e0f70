#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/support.h"

namespace testsupport {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

void LinkAssetFolders(const std::string& dir) {
    namespace fs = std::filesystem;
    for (const char* folder : {"Textures", "Zvuky", "Data"}) {
        const fs::path built = fs::path(GameDir()) / folder;
        if (fs::exists(built)) fs::create_directory_symlink(built, fs::path(dir) / folder);
    }
}

}  // namespace testsupport
