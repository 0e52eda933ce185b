#include "qmydrawcache.h"

#include "drawgeometry.h"
#include "picturefile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QSettings>

namespace {

struct Stamp
{
    bool exists = false;
    qint64 size = -1;
    QDateTime modified;
    bool operator==(const Stamp &o) const
    {
        return exists == o.exists && size == o.size && modified == o.modified;
    }
};

Stamp stampOf(const QString &path)
{
    QFileInfo fi(path);
    Stamp s;
    s.exists = fi.isFile();
    if (s.exists) {
        s.size = fi.size();
        s.modified = fi.lastModified();
    }
    return s;
}

struct FontParam
{
    Stamp stamp;
    QString fontSize;
    QString fontTtf;
};

struct TtfEntry
{
    Stamp stamp;
    int id = -1;
    QStringList families;
};

struct ImageEntry
{
    Stamp stamp;
    QImage image;
};

QHash<QString, FontParam> &fontParams()
{
    static QHash<QString, FontParam> h;
    return h;
}

QHash<QString, TtfEntry> &ttfs()
{
    static QHash<QString, TtfEntry> h;
    return h;
}

QHash<QString, ImageEntry> &images()
{
    static QHash<QString, ImageEntry> h;
    return h;
}

qint64 &imageBytes()
{
    static qint64 bytes = 0;
    return bytes;
}

const qint64 maxImageBytes = 64 * 1024 * 1024;

} // namespace

QFont QMyDrawCache::projectFont(const QString &projectFolder, int fontNumber, int fallbackPixelSize,
                                bool badSizeKeepsFallback)
{
    const QString iniPath = DrawGeometry::fontParamPath(projectFolder, fontNumber);
    const Stamp stamp = projectFolder.isEmpty() ? Stamp() : stampOf(iniPath);
    QString sizeText, ttfName;
    if (stamp.exists) {
        FontParam &p = fontParams()[iniPath];
        if (!(p.stamp == stamp)) {
            QSettings ini(iniPath, QSettings::IniFormat);
            ini.setIniCodec("UTF-8");
            p.stamp = stamp;
            p.fontSize = ini.value("FontParam/fontSize").toString();
            p.fontTtf = ini.value("FontParam/fontTtf").toString();
        }
        sizeText = p.fontSize;
        ttfName = p.fontTtf;
    } else {
        fontParams().remove(iniPath);
    }

    QStringList families;
    if (stamp.exists) {
        const QString ttfPath = DrawGeometry::fontTtfPath(projectFolder, ttfName);
        if (!ttfPath.isEmpty())
            families = ttfFamilies(ttfPath);
    }
    const DrawGeometry::FontChoice c = DrawGeometry::chooseFont(
        stamp.exists, sizeText, families, fallbackPixelSize, badSizeKeepsFallback);
    QFont font;
    font.setFamily(c.family);
    if (c.pixelSize > 0)
        font.setPixelSize(c.pixelSize);
    return font;
}

QStringList QMyDrawCache::ttfFamilies(const QString &path)
{
    const Stamp stamp = stampOf(path);
    auto it = ttfs().find(path);
    if (it != ttfs().end()) {
        if (it->stamp == stamp)
            return it->families;
        if (it->id >= 0)
            QFontDatabase::removeApplicationFont(it->id);
        ttfs().erase(it);
    }
    if (!stamp.exists)
        return QStringList();
    TtfEntry e;
    e.stamp = stamp;
    e.id = QFontDatabase::addApplicationFont(path);
    if (e.id >= 0)
        e.families = QFontDatabase::applicationFontFamilies(e.id);
    ttfs().insert(path, e);
    return e.families;
}

QImage QMyDrawCache::image(const QString &path, const QSize &shown)
{
    const Stamp stamp = stampOf(path);
    // One entry per size it is shown at: a page background is decoded at the page's size.
    const QString key = shown.isValid()
        ? path + QStringLiteral("@%1x%2").arg(shown.width()).arg(shown.height())
        : path;
    auto it = images().find(key);
    if (it != images().end()) {
        if (it->stamp == stamp)
            return it->image;
        imageBytes() -= it->image.sizeInBytes();
        images().erase(it);
    }
    if (!stamp.exists)
        return QImage();
    ImageEntry e;
    e.stamp = stamp;
    e.image = PictureFile::read(path, shown);
    if (imageBytes() + e.image.sizeInBytes() > maxImageBytes) {
        images().clear();
        imageBytes() = 0;
    }
    imageBytes() += e.image.sizeInBytes();
    images().insert(key, e);
    return e.image;
}

int QMyDrawCache::registeredFontCount()
{
    int n = 0;
    for (const TtfEntry &e : ttfs()) {
        if (e.id >= 0)
            ++n;
    }
    return n;
}

void QMyDrawCache::clear()
{
    for (const TtfEntry &e : ttfs()) {
        if (e.id >= 0)
            QFontDatabase::removeApplicationFont(e.id);
    }
    ttfs().clear();
    fontParams().clear();
    images().clear();
    imageBytes() = 0;
}
