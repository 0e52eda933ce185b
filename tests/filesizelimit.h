#ifndef FILESIZELIMIT_H
#define FILESIZELIMIT_H

#include <QProcess>

#include <sys/resource.h>

#include <csignal>

// Writes that cannot finish, as on a full disk, without root: a file-size limit with
// SIGXFSZ ignored makes every write past the limit fail with an error instead of ending
// the process.

// The limit for this process while the object lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        m_set = getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        rlimit limited = m_old;
        limited.rlim_cur = rlim_t(bytes);
        m_set = m_set && setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        if (m_set)
            setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool isSet() const { return m_set; }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
    bool m_set = false;
};

// A child process that starts under the limit.
class LimitedProcess : public QProcess
{
public:
    explicit LimitedProcess(qint64 bytes)
        : m_bytes(bytes)
    { }

protected:
    void setupChildProcess() override
    {
        // Between fork and exec: only calls that are safe there.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited {};
        getrlimit(RLIMIT_FSIZE, &limited);
        limited.rlim_cur = rlim_t(m_bytes);
        setrlimit(RLIMIT_FSIZE, &limited);
    }

private:
    qint64 m_bytes;
};

#endif // FILESIZELIMIT_H
