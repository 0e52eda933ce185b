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
    static QByteArray convert(const QImage &image);
    // 3 × width × height + 4 of the picture in the file; 4 when it cannot be read as one.
    static qint64 convertedSize(const QString &path);
};

#endif // MODULEPICTURE_H
