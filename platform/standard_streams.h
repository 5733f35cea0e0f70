// Descriptors 0, 1 and 2 are the standard streams whatever the game was
// started with. A launcher or script may close them (`korvalo >&- 2>&-`);
// the next file opened would then take their number, and a library's
// line meant for stderr would land in it (in the X connection, the game
// waits inside the X library for ever).
#pragma once

// Opens /dev/null on each of 0, 1 and 2 that is closed. Called first
// thing, before anything else is opened.
void KeepStandardStreamsOpen();
