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

bool isOwnDirectory(const char *path) {
    struct stat st {};
    return path && *path == '/' && ::stat(path, &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid();
}

} // namespace

std::string DisplayLock::pathFor(const std::string &displayName, const std::string &className) {
    const std::string tail = fileNamePart(normalisedDisplay(displayName)) + ".lock";
    const char *runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (isOwnDirectory(runtimeDir))
        return std::string(runtimeDir) + '/' + fileNamePart(className) + '-' + tail;
    return "/tmp/" + fileNamePart(className) + '-' + std::to_string(::geteuid()) + '-' + tail;
}

DisplayLock::DisplayLock(const std::string &displayName, const std::string &className,
                         std::chrono::milliseconds timeout) {
    if (displayName.empty())
        return;
    const std::string path = pathFor(displayName, className);
    // No symlinks, and only a file of our own: in /tmp anyone could plant one.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
        ::close(fd);
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            m_fd = fd;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
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
