// The depot panel panPrestavka: the career figures, the tram for sale,
// the choice of tram and line, and the start button.
#pragma once

class TForm1;

// Fills the whole depot from the game state: money, the tram for sale
// with its price, the chosen line and tram with their previews, the last
// run and the career. Changes no global. A preview file that cannot be
// opened ends the refresh there (the widgets after it keep their content).
void RefreshDepotPanel(TForm1& form);

// Places the depot's widgets in their three columns (buy, select tram,
// select line) above the career figures and the start button, and gives
// them their fonts and colours. Called once, when the window is built.
void LayoutDepotPanel(TForm1& form);

// Lines up the parts of the two clocks (hours ":" minutes ":" seconds)
// after their captions changed.
void FlowDepotClocks(TForm1& form);

// Shows the route scheme of line `line` on the dashboard.
void ShowLineScheme(TForm1& form, int line);

// The price of the next tram, by the number of trams bought so far; the
// last price of the table for any count beyond it.
int NextTramPrice();
