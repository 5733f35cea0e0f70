// TMemo: a read-only multi-line text box; word-wrapped, clipped.
#pragma once

#include <vector>

#include "platform/control.h"

class TMemo;

// The memo's lines. LoadFromFile replaces them with the lines of an 8-bit
// text file (CR LF or LF); on failure throws EFOpenError and keeps them.
class TStrings {
public:
    explicit TStrings(TMemo* owner) : owner_(owner) {}
    void LoadFromFile(const AnsiString& path);
    void Clear() { lines_.clear(); }
    void Add(const AnsiString& line) { lines_.push_back(line); }
    int Count() const { return static_cast<int>(lines_.size()); }
    const AnsiString& operator[](int i) const { return lines_[static_cast<size_t>(i)]; }
    // All lines joined with "\r\n".
    AnsiString Text() const;
    const AnsiString& FileName() const { return fileName_; }

private:
    TMemo* owner_;
    std::vector<AnsiString> lines_;
    AnsiString fileName_;
};

class TMemo : public TWinControl {
public:
    TMemo(TWinControl* parent, const AnsiString& name);

    TStrings Lines{this};
    TFont Font;
    bool ReadOnly = false;

    void Paint(Canvas& canvas, int x, int y) const override;
    void AddPaintState(PaintKey& key) const override;
    AnsiString Describe() const override;
    const char* KindName() const override { return "TMemo"; }

    // The lines as shown: each line word-wrapped to the memo's width.
    const std::vector<AnsiString>& WrappedLines() const;

private:
    mutable AnsiString wrapKey_;
    mutable std::vector<AnsiString> wrapped_;
};
