#include "checkedsavefile.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>

CheckedSaveFile::CheckedSaveFile(const QString &name)
    : QSaveFile(name)
{ }

bool CheckedSaveFile::open(OpenMode mode)
{
    m_errorNumber = 0;
    m_failure.clear();
    errno = 0;
    if (QSaveFile::open(mode))
        return true;
    noteFailure();
    m_failure = cause(m_errorNumber, QFileInfo(fileName()).absolutePath(), 0, m_failure);
    return false;
}

qint64 CheckedSaveFile::writeData(const char *data, qint64 len)
{
    errno = 0;
    const qint64 written = QSaveFile::writeData(data, len);
    if (written != len)
        noteFailure();
    return written;
}

// Right after the failing call, while errno still tells why.
void CheckedSaveFile::noteFailure()
{
    if (m_errorNumber == 0)
        m_errorNumber = errno;
    if (m_failure.isEmpty())
        m_failure = errorString();
}

bool CheckedSaveFile::commitWhole()
{
    if (!isOpen())
        return false;
    errno = 0;
    if (!flush())
        noteFailure();
    // Only sequential writes: the position is the number of bytes written.
    const qint64 written = pos();
    if (error() != QFileDevice::NoError || !m_failure.isEmpty() || size() != written) {
        noteFailure();
        cancelWriting();
        QSaveFile::commit(); // discards the new file now, not at destruction
        m_failure = cause(m_errorNumber, QFileInfo(fileName()).absolutePath(), written, m_failure);
        return false;
    }
    errno = 0;
    if (!QSaveFile::commit()) {
        noteFailure();
        m_failure = cause(m_errorNumber, QFileInfo(fileName()).absolutePath(), 0, m_failure);
        return false;
    }
    return true;
}

QString CheckedSaveFile::failure() const
{
    if (m_failure.isEmpty())
        return QString();
    return failureLine(fileName(), m_failure);
}

QString CheckedSaveFile::failureLine(const QString &path, const QString &cause)
{
    return tr("%1：%2").arg(path, cause);
}

bool CheckedSaveFile::writeWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    CheckedSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
        if (file.commitWhole())
            return true;
    }
    if (error)
        *error = file.failure();
    return false;
}

bool CheckedSaveFile::copyWhole(const QString &source, const QString &target, QString *reason)
{
    QString why;
    const QFileInfo info(source);
    QFile in(source);
    // A FIFO or a device would block or never end.
    if (!info.exists())
        why = tr("文件不存在");
    else if (!info.isFile())
        why = tr("不是普通文件");
    if (why.isEmpty()) {
        errno = 0;
        if (!in.open(QIODevice::ReadOnly)) {
            why = (errno == EACCES || errno == EPERM) ? tr("没有读取权限") : in.errorString();
        }
    }
    if (why.isEmpty()) {
        CheckedSaveFile out(target);
        if (out.open(QIODevice::WriteOnly)) {
            char block[64 * 1024];
            qint64 total = 0;
            bool writing = true;
            while (writing) {
                const qint64 got = in.read(block, sizeof block);
                if (got < 0)
                    why = in.errorString();
                if (got <= 0)
                    break;
                total += got;
                writing = out.write(block, got) == got; // else commitWhole names the cause
            }
            // A source that changed size while read is not copied as it was.
            if (writing && why.isEmpty() && total != in.size())
                why = tr("文件在复制时发生了变化");
            if (!why.isEmpty())
                out.cancelWriting();
        }
        if (!out.commitWhole() && why.isEmpty())
            why = out.m_failure;
    }
    if (reason)
        *reason = why;
    return why.isEmpty();
}

QString CheckedSaveFile::cause(int errorNumber, const QString &folder, qint64 needed,
                               const QString &fallback)
{
    switch (errorNumber) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return tr("磁盘空间不足");
    case EROFS:
        return tr("磁盘是只读的");
    case EACCES:
    case EPERM:
        return tr("没有写入权限");
    case EFBIG:
        return tr("文件超过了系统允许的大小");
    default:
        break;
    }
    // The system did not say (or not in a way Qt passes on): look at the disk.
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.isReady()) {
        if (storage.isReadOnly())
            return tr("磁盘是只读的");
        if (needed > 0 && storage.bytesAvailable() < needed)
            return tr("磁盘空间不足");
    }
    const QFileInfo info(folder);
    if (info.isDir() && !info.isWritable())
        return tr("没有写入权限");
    if (errorNumber != 0)
        return qt_error_string(errorNumber);
    return fallback.isEmpty() ? tr("原因不明") : fallback;
}
