#ifndef PICTUREFILE_H
#define PICTUREFILE_H

#include <QImage>
#include <QSize>
#include <QString>

// What the program takes as a library picture, judged from the file's header before any
// decoding: a PNG or JPG picture (by its content, whatever its name says) whose header
// states a size within the limits below. A small file can claim a huge size, and decoding
// it would take minutes and gigabytes; such a file is never decoded.
class PictureFile
{
public:
    // The most pixels decoded: 4096 x 4096, four times the largest module screen
    // (1024 x 600) on each side, 64 MB as 32-bit pixels, decoded in well under a second.
    static constexpr qint64 MaxPixels = qint64(4096) * 4096;
    // The module's picture header holds each side in 16 bits.
    static constexpr int MaxSide = 0xFFFF;

    enum Verdict {
        Usable,
        NotAPicture, // missing, no regular file, unreadable, not PNG or JPG, or without a
                     // stated size
        TooLarge, // more pixels than MaxPixels, or a side longer than MaxSide
    };

    // The verdict on the file at path; size gets the size its header states (empty when
    // it states none).
    static Verdict check(const QString &path, QSize *size = nullptr);
    static Verdict checkSize(const QSize &size);

    // The picture decoded, scaled to exactly `shown` when that is valid; a null image for
    // a file that is not usable.
    static QImage read(const QString &path, const QSize &shown = QSize());
};

#endif // PICTUREFILE_H
