#ifndef PTYPAIR_H
#define PTYPAIR_H

// A real pseudo-terminal pair for tests: the program opens slavePath() as its serial port,
// the test plays the device on the master side. Closing the master unplugs the "adapter":
// the device node vanishes and the program's port sees a hang-up.

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

class PtyPair
{
public:
    PtyPair()
    {
        char name[256] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
            m_master = m_slave = -1;
            return;
        }
        // Raw both ways: no echo, no line editing, no newline translation.
        termios tio {};
        if (::tcgetattr(m_slave, &tio) == 0) {
            ::cfmakeraw(&tio);
            ::tcsetattr(m_slave, TCSANOW, &tio);
        }
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        // A program the test starts must not inherit the device's side: holding it, the
        // program would never see the unplug.
        ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
        ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
        m_path = QString::fromLocal8Bit(name);
    }
    ~PtyPair() { close(); }
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool isValid() const { return m_master >= 0; }
    QString slavePath() const { return m_path; }
    int masterFd() const { return m_master; }

    // Writes all bytes to the program's side; false when the pair is closed.
    bool write(const QByteArray &bytes)
    {
        qint64 done = 0;
        while (m_master >= 0 && done < bytes.size()) {
            const ssize_t n = ::write(m_master, bytes.constData() + done, bytes.size() - done);
            if (n > 0) {
                done += n;
            } else if (n < 0 && errno == EAGAIN) {
                pollpty(POLLOUT, 100);
            } else if (n < 0 && errno != EINTR) {
                return false;
            }
        }
        return m_master >= 0;
    }

    // Waits up to timeoutMs for bytes from the program and returns what has arrived.
    QByteArray read(int timeoutMs)
    {
        QByteArray bytes;
        if (m_master < 0 || !pollpty(POLLIN, timeoutMs))
            return bytes;
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                break;
            bytes.append(buffer, int(n));
        }
        return bytes;
    }

    // Reads until the received bytes hold token (returned whole) or timeoutMs has passed.
    QByteArray readUntil(const QByteArray &token, int timeoutMs)
    {
        QByteArray bytes;
        QElapsedTimer clock;
        clock.start();
        while (!bytes.contains(token) && clock.elapsed() < timeoutMs)
            bytes += read(int(qMax<qint64>(1, timeoutMs - clock.elapsed())));
        return bytes;
    }

    // Reads exactly count bytes unless timeoutMs passes first.
    QByteArray readCount(int count, int timeoutMs)
    {
        QByteArray bytes;
        QElapsedTimer clock;
        clock.start();
        while (bytes.size() < count && clock.elapsed() < timeoutMs && m_master >= 0) {
            if (!pollpty(POLLIN, int(qMax<qint64>(1, timeoutMs - clock.elapsed()))))
                continue;
            const ssize_t n =
                ::read(m_master, m_chunk, qMin<int>(count - bytes.size(), sizeof m_chunk));
            if (n > 0)
                bytes.append(m_chunk, int(n));
        }
        return bytes;
    }

    // Drops the test's own handle of the program's side, so only the program holds it.
    void closeSlave()
    {
        if (m_slave >= 0)
            ::close(m_slave);
        m_slave = -1;
    }

    // Unplugs: the device node vanishes and the program's side sees a hang-up.
    void close()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
        closeSlave();
    }

private:
    bool pollpty(short events, int timeoutMs)
    {
        pollfd fd {m_master, events, 0};
        return ::poll(&fd, 1, timeoutMs) > 0 && (fd.revents & events);
    }

    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    char m_chunk[4096];
};

#endif // PTYPAIR_H
