#include "fuzz/fuzz_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace fuzz {

const std::string& ScratchDir() {
    static const std::string dir = [] {
        std::string templ = (std::filesystem::temp_directory_path() / "korvalo-fuzz-XXXXXX").string();
        if (!mkdtemp(templ.data())) Broken("cannot make a scratch folder");
        static std::string toRemove = templ;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(toRemove, ec);
        });
        return templ;
    }();
    return dir;
}

void WriteFileBytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) Broken("cannot write a scratch file");
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = write(fd, data + done, size - done);
        if (n <= 0) Broken("short write of a scratch file");
        done += static_cast<std::size_t>(n);
    }
    close(fd);
}

}  // namespace fuzz
