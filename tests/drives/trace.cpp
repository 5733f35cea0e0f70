#include "tests/drives/trace.h"

#include <cctype>
#include <cstdio>
#include <sstream>

#include "app/form1.h"
#include "game/state.h"
#include "platform/canvas.h"
#include "platform/cp1250.h"
#include "platform/label.h"
#include "tests/support/support.h"

namespace drives {

namespace {

// Labels that change with every tick or every boarding; the samples show them.
bool CountsEveryTick(const std::string& name) {
    for (const char* busy : {"labAktualniRychlost", "labMinuty", "labSekundy", "labKasa", "labVarovani",
                             "labObsazenoMist", "labVolnychMist"})
        if (name == busy) return true;
    return false;
}

std::string Fixed(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", static_cast<double>(v));
    return buf;
}

std::string Replace(std::string s, const std::string& from, const std::string& to) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
    return s;
}

// A widget's line of the scene dump without the picture folder's prefix.
// A figure's picture keeps its folder, look and facing (the first digit
// of the file) but not the frame of its animation.
std::string Shortened(std::string d) {
    d = Replace(d, "picture=\"Textures//", "\"");
    d = Replace(d, "picture=\"Textures/", "\"");
    d = Replace(d, ".bmp\"", "\"");
    if (d.find("\"Lide") == std::string::npos) return d;
    const std::size_t close = d.find('"', d.find("\"Lide") + 1);
    const std::size_t file = d.rfind('/', close) + 1;
    if (close - file > 1) d.erase(file + 1, close - file - 1);
    return d;
}

struct Widget {
    std::string kind, place, size, rest;
    std::string Full() const { return kind + " " + place + " " + size + (rest.empty() ? "" : " " + rest); }
};

Widget Split(const std::string& desc) {
    std::istringstream in(desc);
    Widget w;
    in >> w.kind >> w.place >> w.size;
    std::getline(in, w.rest);
    if (!w.rest.empty() && w.rest[0] == ' ') w.rest.erase(0, 1);
    return w;
}

// A widget wholly outside the screen is "off", wherever it waits.
std::string OnScreen(const std::string& desc) {
    Widget w = Split(desc);
    int x = 0, y = 0, width = 0, height = 0;
    if (std::sscanf(w.place.c_str(), "%d,%d", &x, &y) != 2 ||
        std::sscanf(w.size.c_str(), "%dx%d", &width, &height) != 2)
        return desc;
    if (x + width > 0 && x < kScreenWidth && y + height > 0 && y < kScreenHeight) return desc;
    w.place = "off";
    return w.Full();
}

// The words of `now` that differ from those of `before` at the same place
// (all of `now` when the number of words changed).
std::string ChangedWords(const std::string& before, const std::string& now) {
    auto words = [](const std::string& text) {
        std::vector<std::string> w;
        std::istringstream in(text);
        for (std::string word; in >> word;) w.push_back(word);
        return w;
    };
    const auto a = words(before), b = words(now);
    if (a.size() != b.size()) return " " + now;
    std::string out;
    for (std::size_t i = 0; i < b.size(); ++i)
        if (a[i] != b[i]) out += " " + b[i];
    return out;
}

// A family member's name split into the family and its number ("Clovek",
// 37); the number is -1 for a name without one.
std::pair<std::string, int> Member(const std::string& name) {
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) --digits;
    if (digits == name.size() || digits == 0) return {name, -1};
    return {name.substr(0, digits), std::stoi(name.substr(digits))};
}

// One line per change, and one for a run of family members with
// consecutive numbers and the same change ("Clovek37-92 off").
std::string Grouped(const std::vector<std::pair<std::string, std::string>>& changes) {
    std::string out;
    for (std::size_t i = 0; i < changes.size();) {
        const auto [family, first] = Member(changes[i].first);
        std::size_t j = i + 1;
        while (first >= 0 && j < changes.size() && changes[j].second == changes[i].second &&
               Member(changes[j].first) == std::make_pair(family, first + static_cast<int>(j - i)))
            ++j;
        out += "  " + changes[i].first + (j - i > 1 ? "-" + std::to_string(first + static_cast<int>(j - i) - 1) : "") +
               changes[i].second + "\n";
        i = j;
    }
    return out;
}

// The widgets that moved in the front-to-back order, each with the one it
// now lies in front of: whatever falls outside the longest run kept in
// the old order (new widgets included).
std::string OrderChanges(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    if (before.empty()) return "";  // the first sample lists the widgets in their order
    std::map<std::string, int> oldIndex;
    for (std::size_t i = 0; i < before.size(); ++i) oldIndex[before[i]] = static_cast<int>(i);
    // Longest increasing run of old indexes along the new order.
    const int n = static_cast<int>(after.size());
    std::vector<int> length(n, 0), previous(n, -1);
    int best = -1;
    for (int i = 0; i < n; ++i) {
        const auto at = oldIndex.find(after[i]);
        if (at == oldIndex.end()) continue;
        length[i] = 1;
        for (int j = 0; j < i; ++j) {
            const auto bj = oldIndex.find(after[j]);
            if (bj != oldIndex.end() && bj->second < at->second && length[j] + 1 > length[i]) {
                length[i] = length[j] + 1;
                previous[i] = j;
            }
        }
        if (best < 0 || length[i] > length[best]) best = i;
    }
    std::vector<bool> kept(n, false);
    for (int i = best; i >= 0; i = previous[i]) kept[i] = true;
    std::string out;
    for (int i = 0; i < n; ++i)
        if (!kept[i]) out += "  order " + after[i] + " over " + (i == 0 ? std::string("nothing") : after[i - 1]) + "\n";
    return out;
}

}  // namespace

std::string HashOf(const void* data, std::size_t size) {
    std::uint64_t h = 1469598103934665603ull;
    for (std::size_t i = 0; i < size; ++i) h = (h ^ static_cast<const unsigned char*>(data)[i]) * 1099511628211ull;
    char hex[20];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return hex;
}

DriveTrace::DriveTrace(GameHarness& game, int sampleEveryTicks)
    : game_(game), sampleEveryTicks_(sampleEveryTicks) {}

void DriveTrace::Line(const std::string& text) {
    text_ += "t" + std::to_string(game_.ui().Now() / 10) + " " + text + "\n";
}

void DriveTrace::Note(const std::string& what) {
    Observe();
    Line("> " + what);
}

void DriveTrace::Observe() {
    Sounds();
    MoneyAndMessage();
    Captions();
    const std::int64_t tick = game_.ui().Now() / 10;
    if (lastSampleTick_ >= 0 && tick - lastSampleTick_ >= sampleEveryTicks_) Sample();
}

void DriveTrace::MoneyAndMessage() {
    TForm1& f = game_.form();
    const std::string message =
        f.panVarovani->IsShowing()
            ? "#" + std::to_string(f.panVarovani->Color & 0xFFFFFF) + " " + Cp1250ToUtf8(f.labVarovani->Caption())
            : std::string("-");
    const bool newMessage = message != message_;
    if (newMessage) {
        message_ = message;
        Line("message " + message);
    }
    const std::string money = f.labKasa->Caption();
    if (money == money_) return;
    Line("money " + money_ + " -> " + money + (newMessage && message != "-" ? " with the message" : ""));
    money_ = money;
}

std::string DriveTrace::ChannelOf(int handle) const {
    for (int c = 0; c < 8; ++c)
        if (ChannelHandle(g_soundChannels[c]) == handle) return "ch" + std::to_string(c);
    return "one-shot";
}

void DriveTrace::Sounds() {
    const auto& calls = game_.sound.Calls();
    std::map<int, float> volumes;  // the last volume a handle was turned to
    for (; soundCalls_ < calls.size(); ++soundCalls_) {
        const FakeSoundLibrary::Call& c = calls[soundCalls_];
        if (c.name == "_SoundSpust@12") {
            const FakeSoundLibrary::Voice* v = game_.sound.Find(c.handle);
            const std::string sound = ChannelOf(c.handle) + " " + Replace(c.path, "Zvuky//", "");
            started_[c.handle] = sound;
            Line("sound " + sound + (c.arg ? " loop" : "") + " vol " + Fixed(c.value) + " pitch " +
                 Fixed(v ? v->factor : 1.0f));
        } else if (c.name == "_SoundZastav@4") {
            const auto was = started_.find(c.arg);
            Line("sound stop " + (was == started_.end() ? "handle " + std::to_string(c.arg) : was->second));
        } else if (c.name == "_SoundZastavVse@4" || c.name == "_SoundInit@4" || c.name == "_SoundDestroy@0") {
            Line("sound " + c.Text());
        } else if (c.name == "_SoundNastavHlasitost@8") {
            volumes[c.arg] = c.value;
        }
    }
    for (const auto& [handle, volume] : volumes) {
        const auto was = started_.find(handle);
        Line("sound volume " + (was == started_.end() ? "handle " + std::to_string(handle) : was->second) + " " +
             Fixed(volume));
    }
}

void DriveTrace::Captions() {
    for (const TControl* c : game_.form().AllControls()) {
        const auto* label = dynamic_cast<const TLabel*>(c);
        if (!label || !label->IsShowing() || CountsEveryTick(label->Name)) continue;
        auto& seen = captions_[label->Name];
        if (seen == label->Caption()) continue;
        seen = label->Caption();
        Line("caption " + label->Name + " \"" + Cp1250ToUtf8(seen) + "\"");
    }
}

void DriveTrace::Sample() {
    lastSampleTick_ = game_.ui().Now() / 10;
    std::map<std::string, std::string> scene;
    std::vector<std::string> order;
    std::istringstream dump(game_.ui().SceneDump());
    for (std::string line; std::getline(dump, line);) {
        const std::size_t start = line.find_first_not_of(' ');
        if (start == std::string::npos) continue;
        const std::size_t space = line.find(' ', start);
        std::string name = line.substr(start, space - start);
        if (name == "(unnamed)") name += std::to_string(order.size());
        scene[name] = OnScreen(Shortened(line.substr(space + 1)));
        order.push_back(name);
    }
    std::vector<std::pair<std::string, std::string>> changes;  // widget, what changed
    for (const std::string& name : order) {
        const std::string& now = scene[name];
        const auto was = scene_.find(name);
        if (was != scene_.end() && was->second == now) continue;
        if (was == scene_.end()) {
            changes.emplace_back(name, " " + now);
            continue;
        }
        // Only what changed: place, size, the rest (picture, caption, ...).
        const Widget a = Split(was->second), b = Split(now);
        std::string change;
        if (a.kind != b.kind) change += " " + b.kind;
        if (a.place != b.place) change += " " + b.place;
        if (a.size != b.size) change += " " + b.size;
        if (a.rest != b.rest) change += ChangedWords(a.rest, b.rest);
        changes.emplace_back(name, change);
    }
    for (const auto& [name, desc] : scene_)
        if (!scene.count(name)) changes.emplace_back(name, " hidden");
    std::string out = Grouped(changes) + OrderChanges(order_, order);
    std::string voices;
    for (const FakeSoundLibrary::Voice* v : game_.sound.AllPlaying())
        if (v->loop)
            voices += " " + ChannelOf(v->handle) + " " + Replace(v->path, "Zvuky//", "") + " " + Fixed(v->volume) + " " +
                  Fixed(v->factor);
    if (voices != voices_) out += "  voices" + voices + "\n";
    voices_ = voices;
    scene_ = std::move(scene);
    order_ = std::move(order);
    if (!out.empty()) Line("scene\n" + out.substr(0, out.size() - 1));
}

void DriveTrace::SaveFile() {
    Observe();
    const std::string bytes = testsupport::ReadFile(game_.WorkDir() + "/Save.gqs");
    std::string hex;
    char buf[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02x", static_cast<unsigned char>(bytes[i]));
        hex += (i % 4 == 0 ? " " : "") + std::string(buf);
    }
    Line("save" + (bytes.empty() ? std::string(" none") : hex));
}

void DriveTrace::Frame(const std::string& moment) {
    Observe();
    const FrameBuffer& fb = game_.ui().Render();
    frames_.emplace_back(moment, std::to_string(fb.width) + "x" + std::to_string(fb.height) + " " +
                                     HashOf(fb.pixels.data(), fb.pixels.size() * sizeof fb.pixels[0]));
    framePixels_[moment] = fb.pixels;
    frameWidth_ = fb.width;
    frameHeight_ = fb.height;
    Line("frame " + moment);
}

void DriveTrace::WriteFramePng(const std::string& moment, const std::string& path) {
    FrameBuffer fb;
    fb.width = frameWidth_;
    fb.height = frameHeight_;
    fb.pixels = framePixels_.at(moment);
    WritePng(fb, path);
}

}  // namespace drives
