// TMemo and its TStrings: text files read as code page 1250 bytes, shown
// word-wrapped from the top-left with a small margin, clipped.
#include "platform/memo.h"

#include <fcntl.h>
#include <unistd.h>

#include "platform/canvas.h"
#include "platform/describe.h"
#include "platform/paint_key.h"
#include "platform/picture.h"
#include "platform/plain_file.h"
#include "platform/text_raster.h"

namespace {
constexpr int kMargin = 3;
// Our text files are a few hundred bytes; anything huge is not one of them.
constexpr long kMaxTextFileBytes = 4L * 1024 * 1024;

// A plain file only, opened without waiting (a pipe or a device in its
// place would hold the game for ever); its size is what was read from it.
bool ReadText(const AnsiString& path, std::string* out) {
    const int fd = OpenPlainFile(path, O_RDONLY);
    if (fd < 0) return false;
    const bool ok = ReadUpTo(fd, static_cast<std::size_t>(kMaxTextFileBytes) + 1, *out) &&
                    out->size() <= static_cast<std::size_t>(kMaxTextFileBytes);
    ::close(fd);
    return ok;
}
}  // namespace

void TStrings::LoadFromFile(const AnsiString& path) {
    std::string data;
    if (!ReadText(path, &data)) {
        RecordLoad(owner_, path, false);
        throw EFOpenError(path);
    }
    RecordLoad(owner_, path, true);
    std::vector<AnsiString> lines;
    AnsiString line;
    for (size_t i = 0; i < data.size(); ++i) {
        char c = data[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    lines_ = std::move(lines);
    fileName_ = path;
}

AnsiString TStrings::Text() const {
    AnsiString text;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i) text += "\r\n";
        text += lines_[i];
    }
    return text;
}

TMemo::TMemo(TWinControl* parent, const AnsiString& name) : TWinControl(parent, name) {
    Width = 185;
    Height = 89;
    Color = clWhite;
}

const std::vector<AnsiString>& TMemo::WrappedLines() const {
    AnsiString key = Font.Name + "|" + std::to_string(Font.Height) + (Font.Bold ? "b|" : "r|") +
                     std::to_string(Width) + "|" + Lines.Text();
    if (key == wrapKey_) return wrapped_;
    wrapped_.clear();
    int room = Width - 2 * kMargin;
    for (int i = 0; i < Lines.Count(); ++i) {
        const AnsiString& text = Lines[i];
        AnsiString current;
        size_t pos = 0;
        if (text.empty()) wrapped_.push_back("");
        while (pos < text.size()) {
            // Next word with the blanks before it.
            size_t end = pos;
            while (end < text.size() && text[end] == ' ') ++end;
            while (end < text.size() && text[end] != ' ') ++end;
            AnsiString word = text.substr(pos, end - pos);
            AnsiString tryLine = current + word;
            if (current.empty() || MeasureText(Font, tryLine).Width <= room) {
                current = tryLine;
            } else {
                wrapped_.push_back(current);
                size_t first = word.find_first_not_of(' ');
                current = first == AnsiString::npos ? AnsiString() : word.substr(first);
            }
            pos = end;
        }
        if (!current.empty()) wrapped_.push_back(current);
    }
    wrapKey_ = key;
    return wrapped_;
}

void TMemo::Paint(Canvas& canvas, int x, int y) const {
    canvas.FillRect(x, y, Width, Height, Color);
    int lineHeight = MeasureText(Font, "Ag").Height;
    int ty = y + kMargin;
    for (const AnsiString& line : WrappedLines()) {
        if (ty >= y + Height) break;
        DrawText(canvas, Font, line, x + kMargin, ty);
        ty += lineHeight;
    }
}

AnsiString TMemo::Describe() const {
    AnsiString d = "lines=" + std::to_string(Lines.Count()) + " color=" + HexColor(Color) + " " + DescribeFont(Font);
    if (!Lines.FileName().empty()) d += " file=" + Quoted(Lines.FileName());
    return d;
}

void TMemo::AddPaintState(PaintKey& key) const {
    key.Add(Color).Add(Font).Add(static_cast<std::uint64_t>(Lines.Count()));
    for (int i = 0; i < Lines.Count(); ++i) key.Add(Lines[i]);
}
