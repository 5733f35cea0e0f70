// Geometry of the depot panel (1025 x 490, panel coordinates): three
// columns side by side (buy a tram, select the tram, select the line) and
// below them a strip with the career figures on the left and the start
// button on the right. Plain numbers only, so the picture generator can
// draw the background to fit.
#pragma once

namespace depot_layout {

constexpr int kPanelWidth = 1025;
constexpr int kPanelHeight = 490;

// The three columns: 0 buy, 1 select tram, 2 select line.
constexpr int kColumnCount = 3;
constexpr int kColumnLeft[kColumnCount] = {20, 355, 690};
constexpr int kColumnTop = 10;
constexpr int kColumnWidth = 315;
constexpr int kColumnHeight = 350;

// Inside a column, relative to its left edge and to the panel's top.
constexpr int kPad = 12;
constexpr int kTitleTop = 16;
constexpr int kPreviewTop = 54;
constexpr int kPreviewSize = 120;
constexpr int kBesideLeft = kPad + kPreviewSize + 16;   // figures right of the preview
constexpr int kBesideWidth = kColumnWidth - kBesideLeft - kPad;
constexpr int kMemoTop = 186;
constexpr int kMemoHeight = 104;
constexpr int kMemoWidth = kColumnWidth - 2 * kPad;
constexpr int kArrowTop = 134;                          // stepping buttons beside the preview
constexpr int kArrowWidth = 64;
constexpr int kArrowHeight = 36;
constexpr int kArrowGap = kBesideWidth - 2 * kArrowWidth;
constexpr int kBuyTop = 302;                            // buy button under the memo
constexpr int kBuyHeight = 44;

// The career strip.
constexpr int kCareerTop = 372;
constexpr int kCareerHeight = 108;
constexpr int kCareerLeft = 20;
constexpr int kCareerWidth = 650;
constexpr int kCareerRowTop[2] = {386, 432};            // last run, whole career
constexpr int kCareerCaptionLeft[2] = {36, 350};        // "transported" and "time" captions
constexpr int kCareerValueLeft[2] = {236, 480};

// The start button.
constexpr int kStartLeft = 690;
constexpr int kStartTop = 384;
constexpr int kStartWidth = 315;
constexpr int kStartHeight = 84;

}  // namespace depot_layout
