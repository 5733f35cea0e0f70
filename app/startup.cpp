#include "app/startup.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "app/form1.h"
#include "game/career_lock.h"
#include "game/menu.h"
#include "platform/message_box_process.h"
#include "platform/openal/openal_sound.h"
#include "platform/services.h"
#include "platform/sdl_backend.h"
#include "platform/sound.h"
#include "platform/stop_signals.h"

namespace {

// The game finds its pictures, sounds and texts relative to the working
// directory. Started from elsewhere (e.g. as build/game/korvalo), it
// moves to its own folder when the assets are there.
void FindAssetFolder() {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory("Textures", ec)) return;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && fs::is_directory(exe.parent_path() / "Textures", ec)) fs::current_path(exe.parent_path(), ec);
}

}  // namespace

int RunGame(int argc, char** argv) {
    if (const int box = RunMessageBoxProcess(argc, argv); box >= 0) return box;
    TakeStopSignals();
    FindAssetFolder();

    static OpenAlSoundLibrary sound;
    UseSoundLibrary(&sound);
    if (!InstallSdlBackend()) {
        std::fprintf(stderr, "korvalo: there is no display to show the game on\n");
        return 1;
    }
    // A second copy on a career another copy plays ends before it shows
    // or touches anything: the later save would overwrite the other's play.
    if (HoldCareer() == CareerHold::HeldByOther) {
        MessageBox("Korvalo is already running with this career (Save.gqs). Play on in its window.", "Korvalo",
                   MB_OK);
        return 1;
    }
    // Losing the display ends the process inside the X library, without
    // coming back here: the retry runs from there.
    OnDisplayLost(SaveCareerBeforeExit);

    try {
        Application->Initialize();
        Application->Title = "Korvalo";
        Application->CreateForm(Form1);
        Application->Run();
        // The window may also close without the quit sequence (the window
        // manager's close, a stop signal).
        SaveCareerBeforeExit();
    } catch (const Exception& e) {
        Application->ShowException(e);
    } catch (...) {
        Application->ShowException(Exception(""));
    }
    return 0;
}
