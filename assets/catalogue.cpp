#include "assets/catalogue.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <thread>

#include "assets/bmp.h"

namespace assets {

void Catalogue::Picture(const std::string& path, std::function<Raster()> draw) {
    outputs_.push_back({path, [draw = std::move(draw)] { return EncodeBmp(draw()); }});
}

void Catalogue::Text(const std::string& path, const std::string& lines) {
    std::string bytes;
    for (char ch : lines) {
        if (ch == '\n') bytes += "\r\n";
        else bytes.push_back(ch);
    }
    outputs_.push_back({path, [bytes] { return bytes; }});
}

void Catalogue::Wave(const std::string& path, std::function<std::string()> encode) {
    outputs_.push_back({path, std::move(encode)});
}

int WriteAll(const Catalogue& c, const std::string& root, unsigned threads) {
    namespace fs = std::filesystem;
    std::set<fs::path> folders;
    for (const Output& o : c.outputs()) folders.insert((fs::path(root) / o.path).parent_path());
    for (const fs::path& f : folders) {
        std::error_code ec;
        fs::create_directories(f, ec);
    }

    std::atomic<size_t> next{0};
    std::atomic<int> failures{0};
    std::mutex errMutex;
    auto worker = [&] {
        for (size_t i = next++; i < c.outputs().size(); i = next++) {
            const Output& o = c.outputs()[i];
            const fs::path target = fs::path(root) / o.path;
            const fs::path temp = target.string() + ".part";
            const std::string bytes = o.make();
            std::ofstream out(temp, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.close();
            std::error_code ec;
            if (out) fs::rename(temp, target, ec);
            if (!out || ec) {
                ++failures;
                std::lock_guard<std::mutex> lock(errMutex);
                std::fprintf(stderr, "korvalo_assets: cannot write %s\n", target.string().c_str());
            }
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < std::max(1u, threads); ++t) pool.emplace_back(worker);
    for (std::thread& t : pool) t.join();
    return failures;
}

}  // namespace assets
