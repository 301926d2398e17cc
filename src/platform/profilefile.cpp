#include "platform/profilefile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::profile {

namespace {

std::function<void(const std::string &)> &beforeRenameHook() {
    static std::function<void(const std::string &)> hook;
    return hook;
}

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
    // Closing can report a failed delayed write, so it is checked.
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

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

// A new, hidden file beside the target, with a name no other writer uses.
int createTemp(const std::string &target, std::string &tempPath) {
    static std::atomic<unsigned> counter{0};
    std::random_device seed;
    std::mt19937 random(seed() ^ unsigned(::getpid()) ^ (counter++ << 16));
    const std::string stem = folderOf(target) + "/." + nameOf(target) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", unsigned(random()));
        tempPath = stem + suffix;
        const int fd =
            ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
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
    std::string target;
    struct stat st;
    bool exists = false;
    if (!writableTarget(path, target, st, exists))
        return false;

    std::string tempPath;
    Fd fd(createTemp(target, tempPath));
    if (!fd.valid())
        return false;
    bool ok = true;
    if (exists) {
        if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) {
            // Only a privileged user may give the file back to its owner; the
            // mode is kept either way.
            const bool owned = ::fchown(fd.get(), st.st_uid, st.st_gid) == 0;
            (void)owned;
        }
        ok = ::fchmod(fd.get(), st.st_mode & 07777) == 0;
    }
    ok = ok && writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    if (ok && beforeRenameHook())
        beforeRenameHook()(tempPath);
    ok = ok && ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    // Make the rename itself durable; the content is in place either way.
    Fd folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
    return true;
}

namespace testing {
void setBeforeRenameHook(std::function<void(const std::string &)> hook) {
    beforeRenameHook() = std::move(hook);
}
} // namespace testing

} // namespace platform::profile
