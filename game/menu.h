// The main menu and the way between the screens. A screen is a set of
// visible panels of the one window: the main menu (panMainMenu over the
// whole screen), the depot (panPrestavka) and a run (neither).
#pragma once

class TForm1;
class TLabel;

// Hovering a menu entry: the two menu cars frame it and it turns dark red,
// the other four black. Nothing undoes it when the pointer leaves.
void HighlightMenuEntry(TForm1& form, TLabel* entry);

// The dashboard as the depot shows it: speeds and places "0", the run
// clock "00" in silver, the light and stop warnings and the scheme marker
// hidden.
void ResetDashboardForDepot(TForm1& form);

// The career figures from the saved game, or from the career whose save
// failed: until a save succeeds that one is the career in play.
void LoadCareer(TForm1& form);

// Writes the saved game; when that fails the player is told that the
// progress lives only in memory and the previous file is kept, and when
// it succeeds after such a failure, that the game is saved now.
bool SaveCareerOrSay(TForm1& form);

// The last try for a career whose save failed, as the program ends: the
// player hears whether it reached the disk or is lost. Only the first
// call tries (the quit sequence, or the end of the program when the window
// was closed some other way); later ones do nothing.
void SaveCareerBeforeExit();

// The quit sequence: a career not yet saved tried once more, every sound
// stopped, the sound library shut down, the web site opened and the
// window closed, which ends the program.
void QuitGame(TForm1& form);
