// The application's error report: a box drawn over everything, one line
// per message, dismissed by a click inside it or by Enter (internal to
// platform/).
#pragma once

#include <vector>

#include "platform/canvas.h"

ClipRect ReportBoxRect(const std::vector<AnsiString>& messages);
bool ReportBoxContains(const std::vector<AnsiString>& messages, int x, int y);
void DrawReportBox(Canvas& canvas, const AnsiString& title, const std::vector<AnsiString>& messages);

// The text as the box shows it: a full stop is added when the message
// ends in a character that sorts after '.'.
AnsiString ReportText(const AnsiString& message);
