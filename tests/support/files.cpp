#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <future>
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

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void LinkAssetFolders(const std::string& dir) {
    namespace fs = std::filesystem;
    for (const char* folder : {"Textures", "Zvuky", "Data"}) {
        const fs::path built = fs::path(GameDir()) / folder;
        if (fs::exists(built)) fs::create_directory_symlink(built, fs::path(dir) / folder);
    }
}

bool FinishesBesideAFifo(const std::string& fifo, const std::function<void()>& body) {
    std::future<void> done = std::async(std::launch::async, body);
    if (done.wait_for(std::chrono::seconds(30)) == std::future_status::ready) {
        done.get();
        return true;
    }
    while (done.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
        if (reader >= 0) ::close(reader);
    }
    done.get();
    return false;
}

}  // namespace testsupport
