// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/profilefile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::profile {

namespace {

constexpr std::size_t SuffixLength = 8;

// Closes the descriptor on every way out.
class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }

private:
    int m_fd;
};

std::string folderOf(const std::string &path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string nameOf(const std::string &path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The path at the end of the chain of symbolic links, which need not exist yet;
// the rename must replace the link's target, not the link.
bool resolveLinks(std::string path, std::string &target) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            target = path;
            return true;
        }
        std::string link(std::size_t(st.st_size > 0 ? st.st_size : 256) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n < 0 || std::size_t(n) >= link.size())
            return false;
        link.resize(std::size_t(n));
        if (link.empty())
            return false;
        path = link.front() == '/' ? link : folderOf(path) + "/" + link;
    }
    return false; // a loop of links
}

bool writeAll(int fd, const std::string &bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

// New files are hidden beside the target: ".chromohm.INI.1a2b3c4d".
std::string newFilePrefix(const std::string &targetName) {
    return "." + targetName + ".";
}

bool isNewFileName(std::string_view entry, const std::string &targetName) {
    const std::string prefix = newFilePrefix(targetName);
    if (entry.size() != prefix.size() + SuffixLength || !entry.starts_with(prefix))
        return false;
    return std::all_of(entry.begin() + long(prefix.size()), entry.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// A name for a new file beside the target that no other writer is likely to use.
std::string newFilePath(const std::string &target) {
    // Seeded afresh each time: forked processes must not repeat one another.
    static std::atomic<unsigned> counter{0};
    std::mt19937 random(std::random_device{}() ^ unsigned(::getpid()) ^ (counter++ << 16));
    char suffix[SuffixLength + 1];
    std::snprintf(suffix, sizeof suffix, "%08x", unsigned(random()));
    return folderOf(target) + "/" + newFilePrefix(nameOf(target)) + suffix;
}

// Every writer locks its new file until the rename, so a new file that can be
// locked was left by a writer that died before it. Only regular files of our
// own, with the new files' name, are removed.
void removeLeftovers(const std::string &target) {
    DIR *folder = ::opendir(folderOf(target).c_str());
    if (!folder)
        return;
    const std::string name = nameOf(target);
    while (const dirent *entry = ::readdir(folder)) {
        if (!isNewFileName(entry->d_name, name))
            continue;
        Fd fd(::openat(::dirfd(folder), entry->d_name,
                       O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat st;
        if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != ::geteuid())
            continue;
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

// A file in the target's folder that has no name, so that a kill before the
// rename leaves nothing behind; -1 where the file system has no such files.
int openUnnamed(const std::string &target) {
#ifdef O_TMPFILE
    return ::open(folderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#else
    (void)target;
    return -1;
#endif
}

int createNamed(const std::string &target, std::string &path) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = newFilePath(target);
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The unnamed file gets a name just before the rename; through /proc for
// everyone, directly for a privileged user.
bool giveName(int fd, const std::string &target, std::string &path) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = newFilePath(target);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST && ::linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0)
            return true;
        if (errno != EEXIST)
            break;
    }
    path.clear();
    return false;
}

bool keepOwnerAndMode(int fd, const struct stat *old) {
    if (!old)
        return true;
    if (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) {
        // Only a privileged user may give the file back to its owner; the mode
        // is kept either way.
        const bool owned = ::fchown(fd, old->st_uid, old->st_gid) == 0;
        (void)owned;
    }
    return ::fchmod(fd, old->st_mode & 07777) == 0;
}

enum class Outcome { Replaced, Failed, Unnamable };
// The new content's file: one without a name until it takes the old one's
// place, or, where the file system has none such, a named one.
enum class NewFile { Unnamed, Named };

Outcome writeAndRename(const std::string &target, const struct stat *old, const std::string &bytes,
                       const std::function<void()> &beforeRename, NewFile kind) {
    const bool unnamed = kind == NewFile::Unnamed;
    std::string path;
    Fd fd(unnamed ? openUnnamed(target) : createNamed(target, path));
    if (!fd.valid())
        return unnamed ? Outcome::Unnamable : Outcome::Failed;
    // Held until the descriptor closes, after the rename.
    const bool locked = ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0;
    (void)locked;
    bool ok =
        keepOwnerAndMode(fd.get(), old) && writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    if (ok && beforeRename)
        beforeRename();
    if (ok && unnamed && !giveName(fd.get(), target, path))
        return Outcome::Unnamable;
    ok = ok && ::rename(path.c_str(), target.c_str()) == 0;
    if (!ok && !path.empty())
        ::unlink(path.c_str());
    return ok ? Outcome::Replaced : Outcome::Failed;
}

bool openableForWriting(const std::string &target, struct stat &st, bool &exists) {
    if (::stat(target.c_str(), &st) != 0) {
        exists = false;
        return errno == ENOENT;
    }
    exists = true;
    if (!S_ISREG(st.st_mode))
        return false;
    // The rename alone would replace a read-only file too: ask the file itself.
    Fd fd(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    return fd.valid();
}

// The file a write really goes to (links followed), if it can be written there.
bool writableTarget(const std::string &path, std::string &target, struct stat &st, bool &exists) {
    return resolveLinks(path, target) && openableForWriting(target, st, exists);
}

} // namespace

FileContent readFile(const std::string &path) {
    FileContent content;
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.valid()) {
        content.state = (errno == ENOENT || errno == ENOTDIR) ? FileContent::State::Missing
                                                              : FileContent::State::Unusable;
        return content;
    }
    struct stat st;
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        std::size_t(st.st_size) > MaxFileSize) {
        content.state = FileContent::State::Unusable;
        return content;
    }
    content.bytes.resize(std::size_t(st.st_size));
    std::size_t done = 0;
    // The file may grow while it is read; stop at the limit all the same.
    for (;;) {
        if (done == content.bytes.size()) {
            if (done > MaxFileSize) {
                content.state = FileContent::State::Unusable;
                content.bytes.clear();
                return content;
            }
            content.bytes.resize(done + 4096);
        }
        const ssize_t n =
            ::read(fd.get(), content.bytes.data() + done, content.bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            content.state = FileContent::State::Unusable;
            content.bytes.clear();
            return content;
        }
        if (n == 0)
            break;
        done += std::size_t(n);
    }
    content.bytes.resize(done);
    content.state = FileContent::State::Read;
    return content;
}

bool canWrite(const std::string &path) {
    std::string target;
    struct stat st;
    bool exists = false;
    if (!writableTarget(path, target, st, exists))
        return false;
    // Every write goes through a new file beside the old one.
    return ::access(folderOf(target).c_str(), W_OK | X_OK) == 0;
}

bool replaceFile(const std::string &path, const std::string &bytes) {
    return replaceFile(path, bytes, {});
}

bool replaceFile(const std::string &path, const std::string &bytes,
                 const std::function<void()> &beforeRename) {
    std::string target;
    struct stat st;
    bool exists = false;
    if (!writableTarget(path, target, st, exists))
        return false;
    removeLeftovers(target);
    const struct stat *old = exists ? &st : nullptr;
    Outcome outcome = writeAndRename(target, old, bytes, beforeRename, NewFile::Unnamed);
    if (outcome == Outcome::Unnamable)
        outcome = writeAndRename(target, old, bytes, beforeRename, NewFile::Named);
    if (outcome != Outcome::Replaced)
        return false;
    // Make the rename itself durable; the content is in place either way.
    Fd folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
    return true;
}

} // namespace platform::profile
