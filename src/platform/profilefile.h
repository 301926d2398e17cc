// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading a profile file whole and replacing it atomically: the new content goes
// in full to a new file in the same folder, which is then renamed over the old
// one, so that a crash, a kill or a full disk leaves the old file or the new one,
// never a part. The new file has no name until it is complete, where the file
// system allows it; where it does not, a later replacement removes what a
// killed one left. Plain POSIX, no Qt.

#include <cstddef>
#include <functional>
#include <string>

namespace platform::profile {

// Larger files are not read: reads give the defaults and writes fail, leaving the
// file as it is.
inline constexpr std::size_t MaxFileSize = 128u * 1024u * 1024u;

struct FileContent {
    enum class State { Read, Missing, Unusable };
    State state = State::Missing;
    std::string bytes;
};

// Missing: no file there (it may be created). Unusable: a folder, a device, a
// file that cannot be read or is larger than MaxFileSize. Never blocks on a FIFO.
FileContent readFile(const std::string &path);

// Checks that the file at path (after its symbolic links) could be written.
bool canWrite(const std::string &path);

// Replaces the file at path, or at the end of its chain of symbolic links, by
// bytes; an existing file keeps its permissions (and owner, where allowed).
// False when any step fails; the old file is then left as it was.
bool replaceFile(const std::string &path, const std::string &bytes);
// The same, with a step run once the new content is complete and before it takes
// the old file's place: the moment at which an interrupted replacement costs most.
bool replaceFile(const std::string &path, const std::string &bytes,
                 const std::function<void()> &beforeRename);

} // namespace platform::profile
