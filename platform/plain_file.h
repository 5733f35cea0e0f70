// Files the game keeps for itself (the saved game, the settings store)
// are plain files. Whatever else may sit under such a name, a pipe, a
// device or a folder, is never read or written: opening one could wait
// for ever for a writer, or read without end.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

// open(2) with `flags`, never waiting, and only for a plain file: -1 when
// the file cannot be opened or is no plain file (then `notPlain`, if
// given, is set; errno tells the other failures).
int OpenPlainFile(const std::string& path, int flags, bool* notPlain = nullptr, mode_t mode = 0644);

// Reads from `fd` to its end, but no more than `limit` bytes, into `out`.
// False on a read error.
bool ReadUpTo(int fd, std::size_t limit, std::string& out);
