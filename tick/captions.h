// Dashboard captions are rewritten every tick; a label is only touched
// when its text really changes, which spares it a re-measure.
#pragma once

#include "game/state.h"
#include "platform/label.h"
#include "platform/vcl.h"

inline void ShowCaption(TLabel& label, const AnsiString& text) {
    if (label.Caption() != text) label.SetCaption(text);
}

inline void ShowNumber(TLabel& label, int32 value) { ShowCaption(label, IntToStr(value)); }

inline void ShowFontColour(TLabel& label, TColor colour) {
    if (label.Font().Color != colour) label.SetFontColor(colour);
}
