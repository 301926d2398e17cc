#pragma once
// Counts the renames onto a file as the kernel reports them: how a test sees
// that a save replaced the file once, whatever it did in between.

#include <QFile>
#include <QString>

#include <sys/inotify.h>
#include <unistd.h>

class RenameWatch {
public:
    explicit RenameWatch(const QString &folder) : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (m_fd >= 0)
            ::inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_MOVED_TO);
    }
    ~RenameWatch() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    RenameWatch(const RenameWatch &) = delete;
    RenameWatch &operator=(const RenameWatch &) = delete;

    bool valid() const { return m_fd >= 0; }

    // Renames onto the file of that name since the last call.
    int renamesOnto(const QString &name) {
        int count = 0;
        alignas(inotify_event) char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (ssize_t at = 0; at < n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                if (event->len && QFile::decodeName(event->name) == name)
                    ++count;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return count;
    }

private:
    int m_fd;
};
