// Everything the game needs of the widget layer.
#pragma once

#include "platform/application.h"
#include "platform/bitbtn.h"
#include "platform/cgauge.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/memo.h"
#include "platform/panel.h"
#include "platform/picture.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "platform/types.h"

// Decimal text of a number, as captions show it.
inline AnsiString IntToStr(long long v) { return std::to_string(v); }
