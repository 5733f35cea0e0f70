// One career is played by one copy of the game at a time: two copies
// saving the same Save.gqs would each overwrite what the other played.
// The copy that starts first holds a lock on "<save>.lock", beside the
// file the save is written to (where a symbolic link Save.gqs leads), for
// as long as it runs; the kernel lets go of it however the copy ends.
#pragma once

enum class CareerHold {
    Held,         // this copy plays the career
    HeldByOther,  // another running copy plays it
    Unlockable,   // no lock can be had there (read-only folder, no locks):
                  // played as before, unguarded
};

// Takes the career of the saved game in the working directory for this
// process, and keeps it until the process ends. Taking it again is Held.
CareerHold HoldCareer();
