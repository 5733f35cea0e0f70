// The look of the depot: where its widgets sit and how they read. The
// background picture draws the column frames at the same places.
#include <array>

#include "app/bold_font.h"
#include "app/form1.h"
#include "game/depot.h"
#include "game/depot_layout.h"

using namespace depot_layout;

namespace {

constexpr TColor kTitleColour = 0x00C8FF;   // gold
constexpr TColor kCaptionColour = clSilver;
constexpr TColor kFigureColour = clWhite;
constexpr TColor kChoiceColour = clYellow;
constexpr TColor kPriceColour = clLime;

TFont Arial(int height, TColor colour) { return BoldFont("Arial", height, colour); }

void Put(TLabel* label, int left, int top, const TFont& font) {
    label->SetFont(font);
    label->Left = left;
    label->Top = top;
}

// A column's title, preview and description memo.
void LayColumn(int column, TLabel* title, TImage* preview, TMemo* memo) {
    const int x = kColumnLeft[column];
    Put(title, x + kPad, kTitleTop, Arial(24, kTitleColour));
    preview->SetBounds(x + kPad, kPreviewTop, kPreviewSize, kPreviewSize);
    memo->SetBounds(x + kPad, kMemoTop, kMemoWidth, kMemoHeight);
    memo->Color = clBlack;
    memo->Font = Arial(15, clWhite);
    memo->ReadOnly = true;
}

// The chosen number above a pair of stepping buttons, right of the preview.
void LayChoice(int column, TLabel* number, TBitBtn* previous, TBitBtn* next) {
    const int x = kColumnLeft[column] + kBesideLeft;
    Put(number, x + kBesideWidth / 2 - 14, kPreviewTop + 10, Arial(48, kChoiceColour));
    previous->SetBounds(x, kArrowTop, kArrowWidth, kArrowHeight);
    next->SetBounds(x + kArrowWidth + kArrowGap, kArrowTop, kArrowWidth, kArrowHeight);
}

using Clock = std::array<TLabel*, 5>;  // hours ":" minutes ":" seconds

Clock RunClock(TForm1& f) {
    return {f.labOdjetoZaHod, f.Label9, f.labOdjetoZaMin, f.Label13, f.labOdjetoZaSec};
}
Clock CareerClock(TForm1& f) {
    return {f.labCasVeHreHod, f.Label16, f.labCasVeHreMin, f.Label21, f.labCasVeHreSec};
}

// The parts of a clock follow each other, however wide the hours grow.
void FlowClock(const Clock& clock) {
    constexpr int kSpacing = 2;
    for (size_t i = 1; i < clock.size(); ++i)
        clock[i]->Left = clock[i - 1]->Left + clock[i - 1]->Width + kSpacing;
}

// One row of the career strip: "... transported:" n, "... time:" h:m:s.
void LayCareerRow(int row, TLabel* carriedCaption, TLabel* carried, TLabel* timeCaption, const Clock& clock) {
    const int top = kCareerRowTop[row];
    Put(carriedCaption, kCareerCaptionLeft[0], top + 2, Arial(18, kCaptionColour));
    Put(carried, kCareerValueLeft[0], top, Arial(22, kFigureColour));
    Put(timeCaption, kCareerCaptionLeft[1], top + 2, Arial(18, kCaptionColour));
    for (TLabel* part : clock) Put(part, kCareerValueLeft[1], top, Arial(22, kFigureColour));
}

}  // namespace

void FlowDepotClocks(TForm1& form) {
    FlowClock(RunClock(form));
    FlowClock(CareerClock(form));
}

void LayoutDepotPanel(TForm1& f) {
    f.imgPrestavka->SetBounds(0, 0, kPanelWidth, kPanelHeight);

    LayColumn(0, f.Label22, f.imgNovaTramvaj, f.memoNovaTramvaj);
    LayColumn(1, f.Label8, f.imgZmenitVuz, f.memoZmenitVuz);
    LayColumn(2, f.Label6, f.imgZmenitLinku, f.memoZmenitLinku);

    const int buyX = kColumnLeft[0] + kBesideLeft;
    Put(f.Label23, buyX, kPreviewTop + 8, Arial(20, kCaptionColour));
    Put(f.labCenaNovehoVozu, buyX, kPreviewTop + 40, Arial(36, kPriceColour));
    f.btnKoupitNovouTramvaj->SetBounds(kColumnLeft[0] + kPad, kBuyTop, kMemoWidth, kBuyHeight);

    LayChoice(1, f.labZmenitVuz, f.btnTramvajPrevious, f.btnTramvajNext);
    LayChoice(2, f.labZmenitLinku, f.btnLinkaPrevious, f.btnLinkaNext);

    LayCareerRow(0, f.Label12, f.labPrevezeno, f.Label19, RunClock(f));
    LayCareerRow(1, f.Label18, f.labCelkemPrevezeno, f.Label20, CareerClock(f));
    FlowDepotClocks(f);

    f.btnNovyKurs->SetBounds(kStartLeft, kStartTop, kStartWidth, kStartHeight);
}
