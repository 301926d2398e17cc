// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Counts the renames onto a file as the kernel reports them: how a test sees
// that a save replaced the file once, whatever it did in between.

#include <QFile>
#include <sys/inotify.h>
#include <unistd.h>

class RenameWatch {
public:
    explicit RenameWatch(const QString &folder) : m_fd(::inotify_init1(IN_NONBLOCK)) {
        ::inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_MOVED_TO);
    }
    ~RenameWatch() { ::close(m_fd); }
    bool valid() const { return m_fd >= 0; }

    // Renames onto the file of that name since the last call.
    int renamesOnto(const QString &name) {
        int count = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(m_fd, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                count += event->len && QFile::decodeName(event->name) == name;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return count;
    }

private:
    int m_fd;
};
