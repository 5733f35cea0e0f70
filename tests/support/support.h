// Shared helpers of the test suites.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Folder of the built game (executable, libsend.so, generated assets).
inline std::string GameDir() { return KORVALO_GAME_DIR; }
inline std::string SourceDir() { return KORVALO_SOURCE_DIR; }

// The whole content of a file, byte for byte ("" when it cannot be read).
std::string ReadFile(const std::string& path);

// The names of the entries of a folder, sorted.
std::vector<std::string> NamesIn(const std::string& folder);

// Links the built game's asset folders (Textures, Zvuky, Data) into `dir`,
// so every path the game builds resolves there as in the game folder.
void LinkAssetFolders(const std::string& dir);

// Runs `body` on a thread of its own while a FIFO stands at `fifo` and no
// one writes to it or reads from it. True when the body finished within
// 30 seconds (a slow start under a sanitizer on a loaded machine is
// no hang). A body stuck opening or reading the FIFO is set free (the
// FIFO is opened from both ends and closed again), so such a fault fails
// the test instead of hanging it.
bool FinishesBesideAFifo(const std::string& fifo, const std::function<void()>& body);

// Copies of the game writing one file at once: `copies` forked children
// each run `write(copy)` and exit with what it returns, while this process
// calls `judge` ("" when the file is as it may be) until every child has
// ended.
struct CopiesWatch {
    std::vector<int> statuses;  // each copy's wait status (-1: not started)
    int reads = 0, bad = 0;     // judgements, and the ones that found fault
    std::string firstBad;
};
CopiesWatch WatchCopiesWriting(int copies, const std::function<int(int)>& write,
                               const std::function<std::string()>& judge);

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
