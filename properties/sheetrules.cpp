#include "sheetrules.h"

#include <QFileInfo>

#include <limits>

namespace SheetRules {

namespace {

int toInt(qint64 value)
{
    return int(
        qBound<qint64>(std::numeric_limits<int>::min(), value, std::numeric_limits<int>::max()));
}

} // namespace

int limitPosition(int value, int extent, int pageExtent)
{
    if (value < 0)
        return 0;
    if (qint64(value) + extent > pageExtent)
        return toInt(qint64(pageExtent) - extent);
    return value;
}

int limitExtent(int value, int position, int pageExtent)
{
    if (value <= 0)
        return 2;
    if (qint64(position) + value > pageExtent)
        return toInt(qint64(pageExtent) - position);
    return value;
}

bool keepsSquare(WidgetType type)
{
    return type == WidgetType::Arc || type == WidgetType::Meter;
}

namespace {

// Printable ASCII is in every generated font; anything else only when generated with it.
bool fontHas(QChar c, const QString &symbols)
{
    return (c.unicode() >= 0x20 && c.unicode() <= 0x7F) || symbols.contains(c);
}

} // namespace

QString filterText(const QString &text, const QString &symbols)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (fontHas(c, symbols))
            kept.append(c);
    }
    return kept;
}

QStringList droppedCharacters(const QString &text, const QString &symbols)
{
    QStringList dropped;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (fontHas(c, symbols))
            continue;
        QString shown;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
            && !fontHas(text.at(i + 1), symbols)) {
            shown = text.mid(i, 2);
            ++i;
        } else if (c.unicode() < 0x20 || c.isSurrogate()
                   || (c.unicode() >= 0x80 && c.unicode() < 0xA0)) {
            shown = QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        } else {
            shown = c;
        }
        if (!dropped.contains(shown))
            dropped << shown;
    }
    return dropped;
}

int utf8Length(const QString &text)
{
    return text.toUtf8().size();
}

bool indexOf(const QString &key, const QString &base, int *index)
{
    if (!key.startsWith(base) || key.size() == base.size())
        return false;
    const QStringRef digits = key.midRef(base.size());
    for (const QChar c : digits) {
        if (!c.isDigit() || c.unicode() > 0x7F)
            return false;
    }
    bool ok = false;
    *index = digits.toInt(&ok);
    return ok;
}

bool chartValueKey(const QString &key, int *series, int *point)
{
    static const QString base = QStringLiteral("ybexItemChartSerDataValue");
    if (!key.startsWith(base))
        return false;
    const QStringList parts = key.mid(base.size()).split(QLatin1Char('_'));
    if (parts.size() != 2)
        return false;
    bool okSeries = false;
    bool okPoint = false;
    *series = parts.at(0).toInt(&okSeries);
    *point = parts.at(1).toInt(&okPoint);
    return okSeries && okPoint;
}

QString chartValueKeyOf(int series, int point)
{
    return QStringLiteral("ybexItemChartSerDataValue%1_%2").arg(series).arg(point);
}

bool eventKey(const QString &key, QString *prefix, int *param, int *event)
{
    const QStringList parts = key.split(QLatin1Char('_'));
    if (parts.size() != 4 || parts.at(0) != QLatin1String("Event"))
        return false;
    bool okParam = false;
    bool okEvent = false;
    *param = parts.at(2).toInt(&okParam);
    *event = parts.at(3).toInt(&okEvent);
    *prefix = parts.at(0) + QLatin1Char('_') + parts.at(1);
    return okParam && okEvent;
}

int meterRotation(int value, int min, int max)
{
    if (value < min)
        return min;
    if (value > max)
        return max;
    return value;
}

int resolutionIndex(const QString &text, const QStringList &resolutions)
{
    const QStringList wanted = text.split(QLatin1Char('('));
    for (int i = 0; i < resolutions.size(); ++i) {
        const QStringList entry = resolutions.at(i).split(QLatin1Char('('));
        if (wanted.size() == 2 && entry.size() == 2 && wanted.at(0) == entry.at(0))
            return i;
    }
    return -1;
}

bool resolutionSize(const QString &text, int *width, int *height)
{
    const QStringList parts = text.split(QLatin1Char('*'));
    if (parts.size() != 2)
        return false;
    *width = parts.at(0).toInt();
    *height = parts.at(1).split(QLatin1Char('(')).at(0).toInt();
    return true;
}

QSize frameSize(int width, int height, int orientation)
{
    if (orientation == 1 || orientation == 3)
        return QSize(height, width);
    return QSize(width, height);
}

int percentOfBacklight(int value)
{
    return int(qint64(value) * 100 / 255);
}

int backlightOfPercent(int percent)
{
    return int(qint64(percent) * 255 / 100);
}

QString imageText(int number)
{
    return number > -1 ? QString::number(number) : QString();
}

int imageNumber(const QString &text)
{
    return text.isEmpty() ? -1 : text.toInt();
}

BackgroundCheck pageBackground(int number, const QStringList &imagePaths, int modelType)
{
    if (number < 0 || number >= imagePaths.size())
        return BackgroundIgnored;
    if (modelType == 1)
        return BackgroundAccepted;
    if (modelType != 0)
        return BackgroundIgnored;
    const QString suffix = QFileInfo(imagePaths.at(number)).suffix();
    return (suffix == QLatin1String("jpg") || suffix == QLatin1String("JPG")) ? BackgroundAccepted
                                                                              : BackgroundNotJpg;
}

} // namespace SheetRules
