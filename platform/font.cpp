// Fonts: a face name is resolved through fontconfig (Arial -> Liberation
// Sans, Verdana -> DejaVu Sans, MS Sans Serif -> Liberation Sans); a name
// that resolves to nothing close falls back to another installed face
// with a note on stderr. When fontconfig's own setup offers no font at all
// (an empty or broken configuration), the usual font folders are searched
// with a setup of the game's own; only when they hold no font either is
// that reported, once, in the desktop's message box, and the texts stay
// blank. Sizes are character heights in pixels: SDL_ttf at its default
// 72 dpi takes them as point sizes one to one.
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/cp1250.h"
#include "platform/services.h"
#include "platform/text_raster.h"

namespace {

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Faces the game's fonts are drawn with on Linux.
std::string Substitute(const std::string& name) {
    std::string n = Lower(name);
    if (n == "arial") return "Liberation Sans";
    if (n == "verdana") return "DejaVu Sans";
    if (n == "ms sans serif") return "Liberation Sans";
    return name;
}

struct Face {
    std::string file;
    bool hasBold = false;  // the file is a bold face itself
};

std::set<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

std::vector<std::string> Strings(FcPattern* pattern, const char* object) {
    std::vector<std::string> values;
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(pattern, object, i, &value) == FcResultMatch; ++i)
        values.push_back(Lower(reinterpret_cast<const char*>(value)));
    return values;
}

// Whether `match` is the face named `want`. fontconfig may name a face by
// a family and a style ("DejaVu Sans" and "Condensed Bold") besides the
// family a text asks for ("DejaVu Sans Condensed"), so the name may also
// be a family followed by words of the style.
bool IsNamed(FcPattern* match, const std::string& want) {
    const std::string name = Lower(want);
    const std::vector<std::string> styles = Strings(match, FC_STYLE);
    for (const std::string& family : Strings(match, FC_FAMILY)) {
        if (name == family) return true;
        if (name.rfind(family + ' ', 0) != 0) continue;
        const std::set<std::string> rest = Words(name.substr(family.size()));
        for (const std::string& style : styles) {
            const std::set<std::string> words = Words(style);
            if (std::includes(words.begin(), words.end(), rest.begin(), rest.end())) return true;
        }
    }
    return false;
}

// What a lookup found: the file, its family name and whether it is the
// face asked for.
struct Found {
    Face face;
    std::string family;
    bool asked = false;
};

// fontconfig lookup in `config` (nullptr: the system's setup): the best
// file for family/bold, compared with the face the player wants.
bool Match(FcConfig* config, const std::string& family, bool bold, const std::string& want, Found* found) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return false;
    FcChar8* file = nullptr;
    FcChar8* fam = nullptr;
    int weight = FC_WEIGHT_REGULAR;
    const bool ok = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch;
    if (ok) {
        found->face.file = reinterpret_cast<const char*>(file);
        if (FcPatternGetString(match, FC_FAMILY, 0, &fam) == FcResultMatch)
            found->family = reinterpret_cast<const char*>(fam);
        FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
        found->face.hasBold = weight >= FC_WEIGHT_DEMIBOLD;
        found->asked = IsNamed(match, want);
    }
    FcPatternDestroy(match);
    return ok;
}

// Where fonts are installed (fontconfig expands "~").
std::vector<std::string>& FallbackFolders() {
    static std::vector<std::string> folders = {"/usr/share/fonts", "/usr/local/share/fonts",
                                               "~/.local/share/fonts", "~/.fonts"};
    return folders;
}

// A setup of the game's own over the font folders, built on first need;
// it keeps its font cache where fontconfig keeps the user's.
FcConfig* FallbackConfig() {
    static FcConfig* config = [] {
        FcConfig* c = FcConfigCreate();
        if (!c) return c;
        std::string xml = "<?xml version=\"1.0\"?><fontconfig>";
        for (const std::string& folder : FallbackFolders()) xml += "<dir>" + folder + "</dir>";
        xml += "<cachedir prefix=\"xdg\">fontconfig</cachedir></fontconfig>";
        FcConfigParseAndLoadFromMemory(c, reinterpret_cast<const FcChar8*>(xml.c_str()), FcFalse);
        FcConfigBuildFonts(c);
        return c;
    }();
    return config;
}

// The wanted family, else DejaVu Sans (installed with the game's
// dependencies), else whatever face is closest.
bool MatchIn(FcConfig* config, const std::string& want, bool bold, Found* found) {
    return Match(config, want, bold, want, found) || Match(config, "DejaVu Sans", bold, want, found);
}

const Face& ResolveFace(const std::string& name, bool bold) {
    static std::map<std::pair<std::string, bool>, Face> faces;
    static const bool fontconfigReady = FcInit();
    auto key = std::make_pair(name, bold);
    auto it = faces.find(key);
    if (it != faces.end()) return it->second;
    Found found;
    const std::string want = Substitute(name);
    bool any = fontconfigReady && MatchIn(nullptr, want, bold, &found);
    if (!any) any = MatchIn(FallbackConfig(), want, bold, &found);
    if (!any) {
        // The game's own report box would be as blank as every other
        // text: the desktop's message box says it (and stderr), once.
        static bool reported = false;
        if (!reported) {
            reported = true;
            MessageBox("No font is installed; the game's texts cannot be shown.",
                       Application && !Application->Title.empty() ? Application->Title : AnsiString("Error"),
                       MB_OK | MB_ICONERROR);
        }
    } else if (!found.asked) {
        static std::set<std::string> warned;
        if (warned.insert(name).second)
            std::fprintf(stderr, "font \"%s\" is not installed; using \"%s\"\n", name.c_str(),
                         found.family.c_str());
    }
    return faces.emplace(key, found.face).first->second;
}

struct OpenFont {
    TTF_Font* font = nullptr;
};

TTF_Font* GetFont(const TFont& f) {
    static bool ttfReady = TTF_Init() == 0;
    if (!ttfReady) return nullptr;
    static std::map<std::tuple<std::string, int, bool>, OpenFont> open;
    int height = std::clamp(f.Height < 0 ? -f.Height : f.Height, 1, 400);
    auto key = std::make_tuple(f.Name, height, f.Bold);
    auto it = open.find(key);
    if (it != open.end()) return it->second.font;
    const Face& face = ResolveFace(f.Name, f.Bold);
    TTF_Font* font = face.file.empty() ? nullptr : TTF_OpenFont(face.file.c_str(), height);
    if (font && f.Bold && !face.hasBold) TTF_SetFontStyle(font, TTF_STYLE_BOLD);
    // Without any font file the one report above has said all there is.
    if (!font && !face.file.empty())
        std::fprintf(stderr, "font \"%s\" cannot be opened: %s\n", f.Name.c_str(), TTF_GetError());
    open.emplace(key, OpenFont{font});
    return font;
}

std::string MaskKey(const TFont& f, const AnsiString& text) {
    std::string key = f.Name;
    key += '\x1f';
    key += std::to_string(f.Height);
    key += f.Bold ? 'b' : 'r';
    key += '\x1f';
    key += text;
    return key;
}

}  // namespace

TextExtent MeasureText(const TFont& font, const AnsiString& text) {
    TTF_Font* f = GetFont(font);
    int h = font.Height < 0 ? -font.Height : font.Height;
    if (!f) return {static_cast<int>((text.empty() ? 1 : text.size()) * h / 2), h};
    std::string utf8 = Cp1250ToUtf8(text.empty() ? AnsiString(" ") : text);
    int w = 0, lineH = 0;
    TTF_SizeUTF8(f, utf8.c_str(), &w, &lineH);
    return {w, TTF_FontHeight(f)};
}

std::shared_ptr<const TextMask> RenderTextMask(const TFont& font, const AnsiString& text) {
    static std::unordered_map<std::string, std::shared_ptr<const TextMask>> cache;
    static const auto empty = std::make_shared<const TextMask>();
    if (text.empty()) return empty;
    std::string key = MaskKey(font, text);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    TTF_Font* f = GetFont(font);
    if (!f) return empty;
    std::string utf8 = Cp1250ToUtf8(text);
    SDL_Surface* surface = TTF_RenderUTF8_Blended(f, utf8.c_str(), SDL_Color{255, 255, 255, 255});
    auto mask = std::make_shared<TextMask>();
    if (surface) {
        SDL_Surface* argb = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(surface);
        if (argb) {
            SDL_LockSurface(argb);
            mask->width = argb->w;
            mask->height = argb->h;
            mask->alpha.resize(static_cast<size_t>(argb->w) * argb->h);
            for (int y = 0; y < argb->h; ++y) {
                auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(argb->pixels) +
                                                                   static_cast<size_t>(y) * argb->pitch);
                for (int x = 0; x < argb->w; ++x)
                    mask->alpha[static_cast<size_t>(y) * argb->w + x] = static_cast<std::uint8_t>(row[x] >> 24);
            }
            SDL_UnlockSurface(argb);
            SDL_FreeSurface(argb);
        }
    }
    // Captions change every tick (money, clock); keep the cache bounded.
    if (cache.size() > 2048) cache.clear();
    cache.emplace(key, mask);
    return mask;
}

void DrawTextMask(Canvas& canvas, const TextMask& mask, int x, int y, TColor color) {
    const ClipRect& clip = canvas.clip;
    int x0 = std::max(x, clip.x0), x1 = std::min(x + mask.width, clip.x1);
    int y0 = std::max(y, clip.y0), y1 = std::min(y + mask.height, clip.y1);
    if (x0 >= x1 || y0 >= y1) return;
    std::uint32_t rgb = ColorToRgb(color);
    std::uint32_t cr = (rgb >> 16) & 0xFF, cg = (rgb >> 8) & 0xFF, cb = rgb & 0xFF;
    for (int py = y0; py < y1; ++py) {
        const std::uint8_t* a = &mask.alpha[static_cast<size_t>(py - y) * mask.width + (x0 - x)];
        std::uint32_t* dst = canvas.rows.Row(py) + x0;
        for (int px = x0; px < x1; ++px, ++a, ++dst) {
            std::uint32_t alpha = *a;
            if (alpha == 0) continue;
            if (alpha == 255) {
                *dst = rgb;
                continue;
            }
            std::uint32_t d = *dst, inv = 255 - alpha;
            std::uint32_t r = (cr * alpha + ((d >> 16) & 0xFF) * inv) / 255;
            std::uint32_t g = (cg * alpha + ((d >> 8) & 0xFF) * inv) / 255;
            std::uint32_t b = (cb * alpha + (d & 0xFF) * inv) / 255;
            *dst = (r << 16) | (g << 8) | b;
        }
    }
}

void DrawText(Canvas& canvas, const TFont& font, const AnsiString& text, int x, int y) {
    auto mask = RenderTextMask(font, text);
    DrawTextMask(canvas, *mask, x, y, font.Color);
}

std::string ResolvedFontFile(const TFont& font) { return ResolveFace(font.Name, font.Bold).file; }

void SetFallbackFontFolders(const std::vector<std::string>& folders) { FallbackFolders() = folders; }
