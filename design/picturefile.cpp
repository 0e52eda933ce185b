#include "picturefile.h"

#include <QFileInfo>
#include <QImageReader>

namespace {

// The reader decides by the content, so that a text file named .png is no picture and a
// picture's verdict does not depend on its name.
PictureFile::Verdict judge(QImageReader &reader, QSize *size)
{
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.canRead() ? reader.format() : QByteArray();
    const QSize stated = format.isEmpty() ? QSize() : reader.size();
    if (size)
        *size = stated.isValid() ? stated : QSize();
    if (format != "png" && format != "jpeg")
        return PictureFile::NotAPicture;
    return PictureFile::checkSize(stated);
}

} // namespace

PictureFile::Verdict PictureFile::checkSize(const QSize &size)
{
    if (!size.isValid() || size.isEmpty())
        return NotAPicture;
    if (size.width() > MaxSide || size.height() > MaxSide
        || qint64(size.width()) * size.height() > MaxPixels)
        return TooLarge;
    return Usable;
}

PictureFile::Verdict PictureFile::check(const QString &path, QSize *size)
{
    // Opening a FIFO waits for a writer and reading a device never ends: only regular files
    // are read.
    if (!QFileInfo(path).isFile()) {
        if (size)
            *size = QSize();
        return NotAPicture;
    }
    QImageReader reader(path);
    return judge(reader, size);
}

QImage PictureFile::read(const QString &path, const QSize &shown)
{
    if (!QFileInfo(path).isFile())
        return QImage();
    QImageReader reader(path);
    if (judge(reader, nullptr) != Usable)
        return QImage();
    if (shown.isValid() && !shown.isEmpty())
        reader.setScaledSize(shown);
    return reader.read();
}
