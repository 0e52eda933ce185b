#include "fileassociation.h"

#include "checkedsavefile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace FileAssociation {

static const char extension[] = ".yBEX";
static const char mimeType[] = "application/x-ybex";

static QString progId()
{
    return QString("tz%1").arg(extension);
}

static QString description()
{
    return QString::fromUtf8("yBEX文件");
}

QString desktopExecValue(const QString &programPath)
{
    // Inside a quoted argument '"', '`', '$' and '\' take a backslash.
    QString quoted;
    for (const QChar c : programPath) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    // A literal '%' would be read as a field code.
    quoted.replace('%', "%%");
    QString exec = '"' + quoted + "\" %f";

    // The desktop file's own string escapes come on top of the quoting.
    QString value;
    for (const QChar c : qAsConst(exec)) {
        if (c == '\\')
            value += "\\\\";
        else if (c == '\n')
            value += "\\n";
        else if (c == '\t')
            value += "\\t";
        else if (c == '\r')
            value += "\\r";
        else
            value += c;
    }
    return value;
}

QByteArray mimeTypeXml()
{
    QString xml;
    xml += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    xml += "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    xml += QString("  <mime-type type=\"%1\">\n").arg(mimeType);
    xml += QString("    <comment>%1</comment>\n").arg(description());
    xml += QString("    <glob pattern=\"*%1\" case-sensitive=\"true\"/>\n").arg(extension);
    xml += "  </mime-type>\n";
    xml += "</mime-info>\n";
    return xml.toUtf8();
}

QByteArray desktopEntry(const QString &programPath)
{
    QString entry;
    entry += "[Desktop Entry]\n";
    entry += "Type=Application\n";
    entry += "Name=yBEX\n";
    entry += "Comment=" + description() + "\n";
    entry += "Exec=" + desktopExecValue(programPath) + "\n";
    entry += QString("MimeType=%1;\n").arg(mimeType);
    entry += "Terminal=false\n";
    return entry.toUtf8();
}

bool writeIfChanged(const QString &path, const QByteArray &content)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return false;
    existing.close();

    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        qDebug() << "cannot create" << folder;
        return false;
    }
    QString error;
    if (!CheckedSaveFile::writeWhole(path, content, &error)) {
        qDebug() << "cannot write" << error;
        return false;
    }
    return true;
}

#ifdef Q_OS_WIN

bool registerFileType(const QString &programPath)
{
    const QString id = progId();
    QString path = programPath;
    path.replace('/', '\\');

    QSettings *settings =
        new QSettings("HKEY_CURRENT_USER\\Software\\Classes", QSettings::NativeFormat);
    const QString current = settings->value("/" + id + "/Shell/Open/Command/.", true).toString();
    if (!current.isEmpty())
        qDebug() << "qsValue = " + current;
    settings->setValue("/" + id + "/Shell/Open/Command/.", "\"" + path + "\" \"%1\"");
    settings->setValue("/" + id + "/.", description());
    settings->setValue("/" + id + "/DefaultIcon/.", path + ",0");
    settings->setValue("/" + QString(extension) + "/OpenWithProgIds/" + id, QString());
    settings->sync();
    delete settings;
    return true;
}

#else

static void refresh(const QString &tool, const QString &folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty())
        QProcess::startDetached(program, {folder});
}

bool registerFileType(const QString &programPath)
{
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty())
        return false;
    const QString mimeFolder = dataHome + "/mime";
    const QString applicationsFolder = dataHome + "/applications";

    const bool mimeChanged =
        writeIfChanged(mimeFolder + "/packages/" + progId() + ".xml", mimeTypeXml());
    const bool entryChanged =
        writeIfChanged(applicationsFolder + "/" + progId() + ".desktop", desktopEntry(programPath));
    // The desktops read these caches, not our files.
    if (mimeChanged)
        refresh("update-mime-database", mimeFolder);
    if (entryChanged || mimeChanged)
        refresh("update-desktop-database", applicationsFolder);
    return mimeChanged || entryChanged;
}

#endif

} // namespace FileAssociation
