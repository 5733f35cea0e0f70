// Basic types shared by the widget layer and the game: 8-bit strings,
// colours, the exception classes every event handler may throw.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

// Every caption and message is an 8-bit string in code page 1250.
using AnsiString = std::string;

// Colours are 0x00BBGGRR.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = 0xC8D0D4;
constexpr TColor cl3DDkShadow = 0x404040;  // "dark shadow colour"

class TObject {
public:
    virtual ~TObject() = default;
};

// The widget layer's exception class. Its message is shown by the
// application's error report.
class Exception : public std::runtime_error {
public:
    explicit Exception(const AnsiString& message) : std::runtime_error(message), Message(message) {}
    AnsiString Message;
};

// Raised when a picture or text file cannot be opened or is not valid.
// Message: "Cannot open file <path as given>".
class EFOpenError : public Exception {
public:
    explicit EFOpenError(const AnsiString& path) : Exception("Cannot open file " + path), Path(path) {}
    AnsiString Path;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
enum TShiftState : unsigned { ssNone = 0, ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8 };
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
