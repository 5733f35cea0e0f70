#include "tick/messages.h"

#include "app/form1.h"
#include "game/menu_sound.h"
#include "tick/blocks.h"
#include "tick/sounds.h"

void ShowGameMessage(TForm1& form, TColor colour, const AnsiString& text, int32 seconds) {
    form.panVarovani->Visible = true;
    form.panVarovani->Color = colour;
    form.labVarovani->SetCaption(text);
    g_warningTimer = seconds;
}

void ChargePenalty(TForm1& form, int32 amount) {
    AddToFigure(g_money, -amount);
    form.labKasa->SetCaption(IntToStr(g_money));
    PlayOneShot("Zvuky//Obecne//Penalizace.wav", 0.3f);
}

void GivePenalty(TForm1& form, int32 amount, const AnsiString& text, int32& flag) {
    ShowGameMessage(form, kPenaltyColour, text, kPenaltySeconds);
    flag = 1;
    ChargePenalty(form, amount);
}

// Block J, first step: counts the message down once per game second and
// hides the panel when its time is up.
void StepMessageTimer(TForm1& form) {
    if (g_warningTimer > 0) --g_warningTimer;
    if (g_warningTimer == 0) form.panVarovani->Visible = false;
}
