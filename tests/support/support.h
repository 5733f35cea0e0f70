// Shared helpers of the test suites.
#pragma once

#include <string>

namespace testsupport {

// Folder of the built game (executable, libsend.so, generated assets).
inline std::string GameDir() { return KORVALO_GAME_DIR; }
inline std::string SourceDir() { return KORVALO_SOURCE_DIR; }

// The whole content of a file, byte for byte ("" when it cannot be read).
std::string ReadFile(const std::string& path);

// Links the built game's asset folders (Textures, Zvuky, Data) into `dir`,
// so every path the game builds resolves there as in the game folder.
void LinkAssetFolders(const std::string& dir);

// A fresh temporary folder, removed when the object dies.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace testsupport
