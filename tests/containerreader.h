#ifndef CONTAINERREADER_H
#define CONTAINERREADER_H

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

// all.cfg read back the way the module reads it: sections with 16-byte headers of id,
// page, widget, event type and length, little-endian.

inline int read16(const QByteArray &b, int at)
{
    return quint8(b.at(at)) | quint8(b.at(at + 1)) << 8;
}

struct Section
{
    int id, page, widget, type;
    QByteArray bytes;
    bool operator==(const Section &o) const
    {
        return id == o.id && page == o.page && widget == o.widget && type == o.type;
    }
};

inline QString describe(const QList<Section> &sections)
{
    QStringList parts;
    for (const Section &s : sections)
        parts << QString("%1/%2/%3/%4").arg(s.id).arg(s.page).arg(s.widget).arg(s.type);
    return parts.join(' ');
}

inline QList<Section> readContainer(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    const QByteArray all = file.readAll();
    QList<Section> sections;
    int at = 0;
    while (*ok && at < all.size()) {
        if (at + 16 > all.size()) {
            *ok = false;
            break;
        }
        const quint32 length = quint32(read16(all, at + 8)) | quint32(read16(all, at + 10)) << 16;
        const bool reserved = read16(all, at + 12) == 0 && read16(all, at + 14) == 0;
        if (!reserved || at + 16 + qint64(length) > all.size()) {
            *ok = false;
            break;
        }
        sections.append({read16(all, at), read16(all, at + 2), read16(all, at + 4),
                         read16(all, at + 6), all.mid(at + 16, int(length))});
        at += 16 + int(length);
    }
    return sections;
}

#endif // CONTAINERREADER_H
