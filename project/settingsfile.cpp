#include "settingsfile.h"

#include "checkedsavefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>
#include <QTextCodec>

#include <algorithm>
#include <cerrno>

namespace {

bool readAll(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError && bytes->size() == file.size();
}

// Why QSettings left the scratch copy short: one more byte at its end fails the same way.
int appendError(const QString &path)
{
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::Append | QIODevice::Unbuffered))
        return errno;
    errno = 0;
    return file.write("\n", 1) == 1 ? 0 : errno;
}

} // namespace

bool SettingsFile::write(const QString &path, const Values &values, bool keepOthers, QString *error)
{
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    qint64 needed = 0;
    for (const auto &value : values)
        needed += value.first.toUtf8().size() + value.second.toString().toUtf8().size() + 2;
    const auto failed = [&](int errorNumber, const QString &fallback) {
        if (error)
            *error = CheckedSaveFile::failureLine(
                path, CheckedSaveFile::cause(errorNumber, folder, needed, fallback));
        return false;
    };
    QByteArray old;
    if (keepOthers && info.exists() && !readAll(path, &old))
        return failed(0, tr("无法读取原文件"));
    errno = 0;
    if (!QDir().mkpath(folder))
        return failed(errno, tr("无法创建文件夹"));
    const QString scratchName =
        folder + QLatin1Char('/') + info.fileName() + QLatin1String(".XXXXXX");

    const auto isNew = [&values](const QString &key) {
        return std::any_of(values.cbegin(), values.cend(), [&key](const auto &value) {
            return value.first.compare(key, Qt::CaseInsensitive) == 0;
        });
    };
    // The old keys are read from a copy of their own, in the codec they were written in,
    // and written again with the new values into an empty file: one codec cannot do both.
    Values kept;
    // QSettings reads the keys after a UTF-8 byte-order mark, as an editor may leave it, but
    // reports the file unreadable.
    if (old.startsWith("\xEF\xBB\xBF"))
        old.remove(0, 3);
    if (!old.isEmpty()) {
        QTemporaryFile copy(scratchName);
        errno = 0;
        if (!copy.open())
            return failed(errno, copy.errorString());
        errno = 0;
        if (copy.write(old) != old.size() || !copy.flush())
            return failed(errno, tr("未能完整写入"));
        copy.close();
        QSettings before(copy.fileName(), QSettings::IniFormat);
        QTextCodec::ConverterState state;
        QTextCodec *utf8 = QTextCodec::codecForMib(106);
        utf8->toUnicode(old.constData(), old.size(), &state);
        if (state.invalidChars == 0 && state.remainingChars == 0)
            before.setIniCodec(utf8);
        for (const QString &key : before.allKeys()) {
            if (!isNew(key))
                kept.append({key, before.value(key)});
        }
        // What cannot be read cannot be kept.
        if (before.status() != QSettings::NoError)
            return failed(0, tr("无法读取原文件"));
    }

    // Beside the file, so that it meets the disk the file is on.
    QTemporaryFile scratch(scratchName);
    errno = 0;
    if (!scratch.open())
        return failed(errno, scratch.errorString());
    scratch.close();
    {
        QSettings settings(scratch.fileName(), QSettings::IniFormat);
        for (const auto &value : qAsConst(kept))
            settings.setValue(value.first, value.second);
        for (const auto &value : values)
            settings.setValue(value.first, value.second);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return failed(appendError(scratch.fileName()), tr("未能完整写入"));
    }

    // Cut short, the copy lacks keys or holds other values. Read under another name:
    // settings of one path share what they hold in memory, which would hide a cut file.
    // Read as any reader with Qt's defaults reads it.
    const QString copy = scratch.fileName() + QLatin1String("-check");
    QFile::remove(copy);
    if (!QFile::rename(scratch.fileName(), copy))
        return failed(0, tr("未能完整写入"));
    const struct Remover
    {
        QString path;
        ~Remover() { QFile::remove(path); }
    } remover {copy};
    QByteArray bytes;
    bool whole = readAll(copy, &bytes);
    if (whole) {
        const QSettings check(copy, QSettings::IniFormat);
        for (const auto &value : qAsConst(kept))
            whole = whole && check.value(value.first) == value.second;
        for (const auto &value : values)
            whole = whole && check.value(value.first).toString() == value.second.toString();
    }
    if (!whole)
        return failed(appendError(copy), tr("未能完整写入"));
    return CheckedSaveFile::writeWhole(path, bytes, error);
}
