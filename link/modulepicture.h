#ifndef MODULEPICTURE_H
#define MODULEPICTURE_H

#include <QByteArray>
#include <QString>

class QImage;

// The picture form of the modules that take raw pixels: width and height big-endian, then per
// pixel its RGB565 value low byte first and its alpha.
class ModulePicture
{
public:
    // Empty for a picture whose size the header cannot carry (a side above 65535) or whose
    // bytes would not fit in memory.
    static QByteArray convert(const QImage &image);
    // 3 × width × height + 4 of the picture in the file; 4 when it cannot be sent (see
    // PictureFile), which the download reports by name before anything is sent.
    static qint64 convertedSize(const QString &path);
};

#endif // MODULEPICTURE_H
