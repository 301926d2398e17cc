// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/windowsystemlock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace platform {

namespace {

// ":0", ":0.0" and "unix:0" are the same display; the screen number is not part
// of it.
std::string normalisedDisplay(std::string name) {
    const auto colon = name.rfind(':');
    if (colon != std::string::npos) {
        const auto dot = name.find('.', colon);
        if (dot != std::string::npos)
            name.erase(dot);
        if (name.compare(0, colon, "unix") == 0)
            name.erase(0, colon);
    }
    return name;
}

std::string fileNamePart(const std::string &text) {
    std::string out;
    for (char c : text) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == ':' || c == '-' || c == '_';
        out += plain ? c : '_';
    }
    return out;
}

std::string lowerCase(std::string text) {
    for (char &c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

// A link to a folder counts as the folder where the user put it; one we have
// just made must be the folder itself.
enum class Link { Followed, Refused };

// A folder of ours that no one else may write into.
bool isPrivateFolder(const std::string &path, Link link) {
    struct stat st {};
    const int found =
        link == Link::Followed ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st);
    return found == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

std::string absoluteVariable(const char *name) {
    const char *value = std::getenv(name);
    return value && *value == '/' ? std::string(value) : std::string();
}

std::string cacheFolder() {
    const std::string cache = absoluteVariable("XDG_CACHE_HOME");
    if (!cache.empty())
        return cache;
    const std::string home = absoluteVariable("HOME");
    return home.empty() ? std::string() : home + "/.cache";
}

std::string hostName() {
    char host[256] = {};
    return ::gethostname(host, sizeof host - 1) == 0 ? fileNamePart(host) : std::string("host");
}

// Makes the folder for the lock if need be; false when it is not ours alone.
bool preparePlace(const std::string &lockPath) {
    const std::string folder = lockPath.substr(0, lockPath.rfind('/'));
    if (isPrivateFolder(folder, Link::Followed))
        return true;
    const std::string parent = folder.substr(0, folder.rfind('/'));
    ::mkdir(parent.c_str(), 0700);
    ::mkdir(folder.c_str(), 0700);
    return isPrivateFolder(folder, Link::Refused);
}

// The lock file at path, if it is a plain file of ours; -1 otherwise.
int openLockFile(const std::string &path) {
    if (!preparePlace(path))
        return -1;
    // No links, no pipes or devices, only a file of our own.
    const int fd = ::open(path.c_str(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool lockWithin(int fd, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace

std::vector<std::string> DisplayLock::placesFor(const std::string &displayName,
                                                const std::string &className) {
    const std::string display = fileNamePart(normalisedDisplay(displayName));
    std::vector<std::string> places;
    const std::string runtime = absoluteVariable("XDG_RUNTIME_DIR");
    if (!runtime.empty() && isPrivateFolder(runtime, Link::Followed))
        places.push_back(runtime + '/' + fileNamePart(className) + '-' + display + ".lock");
    const std::string cache = cacheFolder();
    if (!cache.empty())
        places.push_back(cache + '/' + lowerCase(fileNamePart(className)) + '/' + display + '-' +
                         hostName() + ".lock");
    return places;
}

DisplayLock::DisplayLock(const std::string &displayName, const std::string &className,
                         std::chrono::milliseconds timeout) {
    if (displayName.empty())
        return;
    for (const std::string &path : placesFor(displayName, className)) {
        const int fd = openLockFile(path);
        if (fd < 0)
            continue;
        // Busy is no reason to look elsewhere: the other copies wait here too.
        if (lockWithin(fd, timeout))
            m_fd = fd;
        else
            ::close(fd);
        return;
    }
}

DisplayLock::~DisplayLock() {
    release();
}

void DisplayLock::release() {
    if (m_fd < 0)
        return;
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

} // namespace platform
