// Any bytes as the store of the launch counter: opening the key never
// fails for them, reading gives a value or nothing, a corrupt store is left
// as it is until the next write, and after a write the store reads back
// what was written with every other value it held.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/settings_store.h"

namespace {

const char kKey[] = "Software\\Qalt\\Drevik";
const char kValue[] = "launchcounter";

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool rooted = (SetSettingsRoot(fuzz::ScratchDir()), true);
    (void)rooted;
    static const std::string file = SettingsFile(kKey);
    FUZZ_CHECK(!file.empty());
    // The folder exists after the first open.
    CloseSettingsKey(OpenSettingsKey(kKey));
    fuzz::WriteFileBytes(file, data, size);
    const std::string before(reinterpret_cast<const char*>(data), size);

    int created = -1;
    HSETTINGS key = OpenSettingsKey(kKey, &created);
    FUZZ_CHECK(key != nullptr);
    FUZZ_CHECK(created == 0 || created == 1);
    std::uint32_t count = 0;
    const bool had = ReadSettingDword(key, kValue, &count);
    FUZZ_CHECK(!had || SettingExists(key, kValue));
    if (created == 1) {
        FUZZ_CHECK(!had);
        FUZZ_CHECK(FileText(file) == before);  // not rewritten by reading
    }
    // Another value the store held must survive the counter's write.
    std::uint32_t other = 0;
    const bool hadOther = ReadSettingDword(key, "other", &other);

    FUZZ_CHECK(WriteSettingDword(key, kValue, count + 1));
    CloseSettingsKey(key);

    key = OpenSettingsKey(kKey, &created);
    FUZZ_CHECK(key != nullptr && created == 0);
    std::uint32_t reread = 0;
    FUZZ_CHECK(ReadSettingDword(key, kValue, &reread) && reread == count + 1);
    if (hadOther) {
        std::uint32_t otherAgain = 0;
        FUZZ_CHECK(ReadSettingDword(key, "other", &otherAgain) && otherAgain == other);
    }
    CloseSettingsKey(key);
    return 0;
}
