// Files the game keeps for itself (the saved game, the settings store)
// are plain files. Whatever else may sit under such a name, a pipe, a
// device or a folder, is never read or written: opening one could wait
// for ever for a writer, or read without end.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// open(2) with `flags`, never waiting, and only for a plain file: -1 when
// the file cannot be opened or is no plain file (then `notPlain`, if
// given, is set; errno tells the other failures).
int OpenPlainFile(const std::string& path, int flags, bool* notPlain = nullptr, mode_t mode = 0644);

// Creates a temporary file of its own beside `file`: "<file>.tmp.<pid>.<random>",
// opened for writing with O_EXCL and O_NOFOLLOW, so it is never a file that
// was there before (another copy's temporary, a planted link) and two
// writers never share one. A name that exists already is passed over for
// another (a bounded number of times). Returns the descriptor and puts the
// name in `temp`; -1 with errno set when no temporary could be made.
// The descriptor holds a lock on the temporary that tells every other
// writer it is in use: keep it open until the temporary has been renamed
// or removed.
//
// First it takes away what writers that are gone left of their temporaries
// of `file` (a copy of the game killed in the middle of a write): plain
// files named exactly "<file>.tmp.<decimal pid>.<16 lowercase hex digits>"
// that no writer holds locked, wherever that writer runs (the pid in the
// name means nothing to a copy in another sandbox). Nothing else in the
// folder is touched: not another name, not a link or folder under such a
// name, not the temporary of a writer still at work.
int CreateOwnTemporary(const std::string& file, std::string& temp, mode_t mode);

// Test seam: where the random part of the temporaries' names comes from
// (an empty function restores the kernel's randomness).
void SetTemporarySuffixSource(std::function<std::uint64_t()> source);

// The file a write that replaces `path` is to replace. When `path` is a
// symbolic link (a player keeping the file elsewhere) that is the file at
// the end of its chain of links, which need not exist yet; a relative link
// is read from the link's folder. Otherwise it is `path` itself. False,
// with errno set, when the chain is longer than 40 links (a circle) or
// cannot be read, or when it leads to something other than a plain file
// (then `notPlain`, if given, is set): that is not the game's to replace.
bool ResolveLinks(const std::string& path, std::string& target, bool* notPlain = nullptr);

// Reads from `fd` to its end, but no more than `limit` bytes, into `out`.
// False on a read error.
bool ReadUpTo(int fd, std::size_t limit, std::string& out);
