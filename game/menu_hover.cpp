#include "app/form1.h"
#include "game/menu.h"

namespace {

constexpr TColor kHoverColour = 0x000064;  // red 100, green 0, blue 0
constexpr int kCarGap = 10;

}  // namespace

void HighlightMenuEntry(TForm1& form, TLabel* entry) {
    TImage* right = form.imgAutoMenuDoprava;
    right->Left = entry->Left - right->Width - kCarGap;
    right->Top = entry->Top - kCarGap;
    right->Visible = true;

    TImage* left = form.imgAutoMenuDoleva;
    left->Left = entry->Left + entry->Width + kCarGap;
    left->Top = entry->Top - kCarGap;
    left->Visible = true;

    for (TLabel* label : {form.labMenu1, form.labMenu2, form.labMenu3, form.labMenu4, form.labMenu5})
        label->SetFontColor(label == entry ? kHoverColour : clBlack);
}

void TForm1::labMenu1MouseMove(TObject*, TShiftState, int, int) { HighlightMenuEntry(*this, labMenu1); }
void TForm1::labMenu2MouseMove(TObject*, TShiftState, int, int) { HighlightMenuEntry(*this, labMenu2); }
void TForm1::labMenu3MouseMove(TObject*, TShiftState, int, int) { HighlightMenuEntry(*this, labMenu3); }
void TForm1::labMenu4MouseMove(TObject*, TShiftState, int, int) { HighlightMenuEntry(*this, labMenu4); }
void TForm1::labMenu5MouseMove(TObject*, TShiftState, int, int) { HighlightMenuEntry(*this, labMenu5); }
