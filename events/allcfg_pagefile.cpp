// The page file the module reads: a 60-byte page block, one record per widget, eight
// zero bytes. Numbers are the low 16 (or 8) bits of the attribute, little-endian;
// colours are blue, green, red, alpha.

#include "allcfg.h"

#include "bootparam.h"
#include "pageparam.h"
#include "qmywidget.h"

#include <QColor>
#include <QSet>

#include <algorithm>

namespace {

constexpr int PageBlockLength = 60;
const char EndMarker[8] = {};

void u8(QByteArray &b, int v)
{
    b.append(char(v & 0xFF));
}

// Whole fields at once: pages of thousands of widgets are written byte by byte otherwise.
void u16(QByteArray &b, int v)
{
    const char bytes[2] = {char(v & 0xFF), char((v >> 8) & 0xFF)};
    b.append(bytes, 2);
}

void zero(QByteArray &b, int count)
{
    b.append(count, '\0');
}

void color(QByteArray &b, const QColor &c)
{
    const char bytes[4] = {char(c.blue() & 0xFF), char(c.green() & 0xFF), char(c.red() & 0xFF),
                           char(c.alpha() & 0xFF)};
    b.append(bytes, 4);
}

// A value outside a row's choices, as every page goes out: the sheet shows it as the first
// choice and stores that once the page is shown, so the pages not shown must go out alike.
int shownChoice(int value, int count)
{
    return value >= 0 && value < count ? value : 0;
}

// A switch as its tick box shows it: any value but 0 is on.
int shownSwitch(int value)
{
    return value != 0 ? 1 : 0;
}

void pad(QByteArray &b)
{
    b.append(AllCfg::paddingFor(b));
}

// 2 when an image is set, 1 when not.
int imageFlag(int imageNum)
{
    return imageNum >= 0 ? 2 : 1;
}

// A negative length writes no text and says so.
int textLength(int longTextLen)
{
    return qMax(0, longTextLen);
}

// The look attributes of one style slot.
struct StyleSlot
{
    QColor (QMyWidget::*background1)() const;
    QColor (QMyWidget::*background2)() const;
    int (QMyWidget::*opa)() const;
    int (QMyWidget::*gradMode)() const;
    QColor (QMyWidget::*borderColor)() const;
    int (QMyWidget::*borderOpa)() const;
    int (QMyWidget::*borderWidth)() const;
    int (QMyWidget::*radius)() const;
    int (QMyWidget::*imageNum)() const;
    int (QMyWidget::*imageOpa)() const;
    int (QMyWidget::*imageColorOpa)() const;
    QColor (QMyWidget::*imageColor)() const;
};

#define STYLE_SLOT(P, ImageNum)                                                                    \
    {                                                                                              \
        &QMyWidget::get##P##Background1, &QMyWidget::get##P##Background2, &QMyWidget::get##P##Opa, \
            &QMyWidget::get##P##GradMode, &QMyWidget::get##P##BorderColor,                         \
            &QMyWidget::get##P##BorderOpa, &QMyWidget::get##P##BorderWidth,                        \
            &QMyWidget::get##P##Radius, &QMyWidget::get##ImageNum, &QMyWidget::get##P##ImageOpa,   \
            &QMyWidget::get##P##ImageColorOpa, &QMyWidget::get##P##ImageColor                      \
    }

const StyleSlot mainSlot = STYLE_SLOT(, ImageNum);
const StyleSlot selectSlot = STYLE_SLOT(Select, SelectImageNum);
const StyleSlot pressSlot = STYLE_SLOT(Press, PressImageNum);
const StyleSlot handleSlot = STYLE_SLOT(Handle, HandleImageNum);
const StyleSlot progSlot = STYLE_SLOT(Prog, ProgImageNum);

#undef STYLE_SLOT

QByteArray styleBlock(const QMyWidget &w, const StyleSlot &s)
{
    QByteArray b;
    b.reserve(40);
    color(b, (w.*s.background1)());
    color(b, (w.*s.background2)());
    u16(b, (w.*s.opa)());
    u16(b, (w.*s.gradMode)());
    color(b, (w.*s.borderColor)());
    u16(b, (w.*s.borderOpa)());
    u16(b, (w.*s.borderWidth)());
    u16(b, (w.*s.radius)());
    zero(b, 16);
    pad(b);
    return b;
}

QByteArray imageBlock(const QMyWidget &w, const StyleSlot &s)
{
    QByteArray b;
    b.reserve(20);
    const int number = (w.*s.imageNum)();
    u16(b, number >= 0 ? number : 0);
    zero(b, 2);
    u16(b, (w.*s.imageOpa)());
    u16(b, (w.*s.imageColorOpa)());
    color(b, (w.*s.imageColor)());
    color(b, (w.*s.imageColor)());
    zero(b, 4);
    return b;
}

QByteArray flagBlock(const QMyWidget &w)
{
    QByteArray b;
    u16(b, w.getFlag());
    zero(b, 2);
    return b;
}

// Bytes 0 to 15 of every record: tag, id, offset and the rectangle.
QByteArray recordHead(const QMyWidget &w, int tag, int offset)
{
    int left = w.getX(), top = w.getY(), width = w.getW(), height = w.getH();
    const WidgetType type = w.getType();
    if (type == WidgetType::Slider || type == WidgetType::Arc || type == WidgetType::Chart) {
        // The body the drawing found inside the widget; unsigned sums keep the low bits.
        left = int(unsigned(w.getX()) + unsigned(w.getProgX()));
        top = int(unsigned(w.getY()) + unsigned(w.getProgY()));
        width = w.getProgW();
        height = w.getProgH();
    }
    return AllCfg::shortBlock(tag, w.getId(), 0, offset)
        + AllCfg::shortBlock(left, top, width, height);
}

QByteArray widgetText(const QMyWidget &w)
{
    return AllCfg::textBytes(w.getText(), w.getLongTextLen());
}

QByteArray buttonRecord(const QMyWidget &w, int offset)
{
    const bool checkable = w.getCheckabled();
    QByteArray b = recordHead(w, 0x8006, offset);
    b += AllCfg::textBlock(w);
    u8(b, imageFlag(w.getImageNum()));
    zero(b, 1);
    u8(b, checkable ? 1 : 0);
    zero(b, 1);
    u16(b, w.getVal());
    zero(b, 8);
    pad(b);
    // A checkable button's second look is its selected one, otherwise its pressed one.
    b += AllCfg::mainStyleBlock(w);
    b += checkable ? AllCfg::selectStyleBlock(w) : AllCfg::pressStyleBlock(w);
    b += AllCfg::selectStyleBlock(w);
    b += AllCfg::mainImageBlock(w);
    b += checkable ? AllCfg::selectImageBlock(w) : AllCfg::pressImageBlock(w);
    b += AllCfg::selectImageBlock(w);
    b += flagBlock(w);
    b += AllCfg::animBlock(w);
    b += widgetText(w);
    return b;
}

QByteArray labelRecord(const QMyWidget &w, int offset)
{
    QByteArray b = recordHead(w, 0x8002, offset);
    u8(b, imageFlag(w.getImageNum()));
    zero(b, 3);
    b += AllCfg::textBlock(w);
    b += AllCfg::mainStyleBlock(w);
    b += flagBlock(w);
    b += AllCfg::animBlock(w);
    b += widgetText(w);
    return b;
}

QByteArray imageRecord(const QMyWidget &w, int offset)
{
    QByteArray b = recordHead(w, 0x8008, offset);
    u8(b, 2); // an image widget always shows a picture
    zero(b, 3);
    b += AllCfg::mainStyleBlock(w);
    b += AllCfg::mainImageBlock(w);
    b += flagBlock(w);
    b += AllCfg::animBlock(w);
    return b;
}

QByteArray progRecord(const QMyWidget &w, int offset)
{
    QByteArray b = recordHead(w, 0x8007, offset);
    u8(b, imageFlag(w.getImageNum()));
    zero(b, 1);
    u16(b, w.getProgDir());
    u16(b, w.getProgValue());
    zero(b, 2);
    b += AllCfg::mainStyleBlock(w);
    zero(b, 2);
    pad(b);
    b += AllCfg::progStyleBlock(w);
    b += AllCfg::mainImageBlock(w);
    b += AllCfg::progImageBlock(w);
    b += flagBlock(w);
    b += AllCfg::animBlock(w);
    return b;
}

QByteArray textBoxRecord(const QMyWidget &w, int offset)
{
    QByteArray b = recordHead(w, 0x8003, offset);
    u8(b, imageFlag(w.getImageNum()));
    zero(b, 5);
    u16(b, w.getKeyboardid());
    b += AllCfg::textBlock(w);
    b += AllCfg::mainStyleBlock(w);
    color(b, w.getCurrorTextColor());
    color(b, w.getCurrorColor());
    u16(b, w.getCurrorTextOpa());
    u16(b, w.getCurrorOpa());
    u8(b, w.getSignalMode() != 0 ? 1 : 0);
    zero(b, 1);
    u16(b, w.getPasswordMode());
    b += flagBlock(w);
    b += AllCfg::animBlock(w);
    b += widgetText(w);
    return b;
}

QByteArray qrCodeRecord(const QMyWidget &w, int offset)
{
    QByteArray b = recordHead(w, 0x8012, offset);
    u8(b, 1);
    zero(b, 1);
    u16(b, textLength(w.getLongTextLen()));
    zero(b, 4);
    color(b, w.getBackground1());
    color(b, w.getFontColor());
    b += flagBlock(w);
    b += AllCfg::animBlock(w);
    b += widgetText(w);
    return b;
}

QByteArray sliderRecord(const QMyWidget &w, int offset)
{
    QByteArray b = recordHead(w, 0x800D, offset);
    u8(b, 1);
    zero(b, 1);
    u16(b, w.getProgValue());
    zero(b, 2);
    u16(b, w.getHandleKnob());
    b += AllCfg::mainStyleBlock(w);
    b += AllCfg::progStyleBlock(w);
    b += AllCfg::handleStyleBlock(w);
    b += AllCfg::mainImageBlock(w);
    b += AllCfg::progImageBlock(w);
    b += AllCfg::handleImageBlock(w);
    b += flagBlock(w);
    b += AllCfg::animBlock(w);
    return b;
}

// One of the arc's two line blocks, padded from its own start.
QByteArray arcLine(const QColor &c, int opa, int width, int rounded)
{
    QByteArray b;
    color(b, c);
    u16(b, opa);
    u16(b, width);
    u16(b, rounded);
    pad(b);
    return b;
}

QByteArray arcRecord(const QMyWidget &w, int offset)
{
    QByteArray b = recordHead(w, 0x8016, offset);
    u8(b, 1);
    zero(b, 1);
    u16(b, w.getProgValue());
    u16(b, w.getArcStartValue());
    u16(b, w.getArcEndValue());
    u16(b, w.getArcRotation());
    u16(b, w.getHandleKnob());
    b += AllCfg::mainStyleBlock(w);
    b += AllCfg::handleStyleBlock(w);
    b += arcLine(w.getArcBackground1(), w.getArcOpa(), w.getArcWidth(), w.getArcRounded());
    b += arcLine(w.getArcSelectBackground1(), w.getArcSelectOpa(), w.getArcSelectWidth(),
                 w.getArcSelectRounded());
    b += flagBlock(w);
    b += AllCfg::animBlock(w);
    return b;
}

QByteArray meterRecord(const QMyWidget &w, int offset)
{
    constexpr int N = QMyWidget::NeedleCount;
    const auto needles = [&](QByteArray &b, int (QMyWidget::*get)(int) const) {
        for (int i = 0; i < N; ++i)
            u16(b, (w.*get)(i));
    };
    QByteArray b = recordHead(w, 0x800B, offset);
    b += AllCfg::mainStyleBlock(w);
    b += AllCfg::mainImageBlock(w);
    u8(b, imageFlag(w.getImageNum()));
    zero(b, 1);
    u16(b, w.getMeterPointNum());
    for (int i = 0; i < N; ++i) {
        u8(b, imageFlag(w.getMeterPointPicID(i)));
        zero(b, 1);
    }
    zero(b, 2);
    needles(b, &QMyWidget::getMeterMinValue);
    zero(b, 2);
    needles(b, &QMyWidget::getMeterMaxValue);
    zero(b, 2);
    needles(b, &QMyWidget::getMeterAngle);
    zero(b, 2);
    needles(b, &QMyWidget::getMeterXPivot);
    zero(b, 2);
    needles(b, &QMyWidget::getMeterYPivot);
    zero(b, 2);
    needles(b, &QMyWidget::getMeterRotation);
    u16(b, w.getMeterDotSize());
    color(b, w.getMeterDotColor());
    zero(b, 12);
    for (int i = 0; i < N; ++i)
        color(b, w.getMeterPointColor(i));
    needles(b, &QMyWidget::getMeterPointPicID);
    // The meter carries its flag here instead of a flag block.
    u16(b, w.getFlag());
    needles(b, &QMyWidget::getMeterPointR);
    zero(b, 2);
    needles(b, &QMyWidget::getMeterPointW);
    zero(b, 2);
    b += AllCfg::animBlock(w);
    return b;
}

QByteArray chartRecord(const QMyWidget &w, int offset)
{
    const QByteArray series = AllCfg::chartSeriesText(w);
    QByteArray b = recordHead(w, 0x800C, offset);
    u8(b, 1);
    zero(b, 1);
    u16(b, w.getChartTickOffset());
    u16(b, w.getChartTickWidth());
    zero(b, 2);
    b += AllCfg::mainStyleBlock(w);
    u16(b, w.getChartGridCol());
    u16(b, w.getChartGridRow());
    u16(b, w.getChartGridPadding());
    u16(b, w.getChartSerPointCount(0));
    u16(b, w.getChartSerLineWidth(0));
    u16(b, w.getChartSerDotWidth(0));
    u16(b, w.getChartGridEnable());
    u16(b, w.getChartGridDasLength());
    u16(b, w.getChartGridDasHight());
    u16(b, w.getChartGridDasGap());
    u16(b, w.getChartUpadateMode());
    u16(b, w.getChartTickLabelFontID());
    zero(b, 4);
    u16(b, w.getChartSerCount());
    u16(b, series.size());
    color(b, w.getChartSerColor(0));
    color(b, w.getChartSerColor(1));
    color(b, w.getChartTickColor());
    color(b, w.getChartTickLabelColor());
    color(b, w.getChartGridColor());
    zero(b, 4);
    // The module knows the two value axes and the bottom axis.
    for (int axis = 0; axis < 3; ++axis)
        b += AllCfg::chartAxisBlock(w, axis);
    b += flagBlock(w);
    b += AllCfg::animBlock(w);
    b += series;
    return b;
}

} // namespace

QByteArray AllCfg::shortBlock(int a, int b, int c, int d)
{
    QByteArray bytes;
    bytes.reserve(8);
    u16(bytes, a);
    u16(bytes, b);
    u16(bytes, c);
    u16(bytes, d);
    return bytes;
}

QByteArray AllCfg::pageRecord(const PageParam &page)
{
    QByteArray b;
    b.reserve(32);
    zero(b, 2);
    u8(b, imageFlag(page.pageImageNum()));
    zero(b, 1);
    color(b, page.pageColorGrad1());
    color(b, page.pageColorGrad2());
    u16(b, shownChoice(page.pageGradDir(), AllCfg::PageGradDirections));
    u16(b, page.pageOpa());
    u16(b, page.pageRadius());
    u16(b, page.pageImageNum() >= 0 ? page.pageImageNum() : 0);
    zero(b, 8);
    u16(b, shownChoice(page.pageFlag(), AllCfg::PageFlags));
    u16(b, page.pageState());
    return b;
}

QByteArray AllCfg::pageAnimBlock(const PageParam &page)
{
    QByteArray b;
    b.reserve(12);
    u16(b, shownSwitch(page.pageAnimEnabled()));
    u16(b, shownChoice(page.pageAnimMode(), PageAnimModes));
    u16(b, shownChoice(page.pageAnimDir(), PageAnimDirections));
    u16(b, page.pageAnimTime());
    u16(b, page.pageAnimX());
    u16(b, page.pageAnimY());
    return b;
}

QByteArray AllCfg::textBlock(const QMyWidget &w)
{
    const WidgetType type = w.getType();
    QByteArray b;
    b.reserve(32);
    zero(b, 4);
    u16(b, w.getHAlign());
    u16(b, w.getVAlign());
    zero(b, 2);
    // In the field's 16 bits: a mode read from a file can be any int.
    const int modeShift = type == WidgetType::Btn || type == WidgetType::Lab ? 2 : 0;
    u16(b, quint16(w.getLongTextMode()) + modeShift);
    zero(b, 2);
    u16(b, textLength(w.getLongTextLen()));
    zero(b, 4);
    u16(b, w.getFontSize());
    u16(b, w.getFontID());
    color(b, w.getFontColor());
    u8(b, w.getFontOpa());
    zero(b, 3);
    return b;
}

QByteArray AllCfg::mainStyleBlock(const QMyWidget &w)
{
    return styleBlock(w, mainSlot);
}

QByteArray AllCfg::selectStyleBlock(const QMyWidget &w)
{
    return styleBlock(w, selectSlot);
}

QByteArray AllCfg::pressStyleBlock(const QMyWidget &w)
{
    return styleBlock(w, pressSlot);
}

QByteArray AllCfg::handleStyleBlock(const QMyWidget &w)
{
    return styleBlock(w, handleSlot);
}

QByteArray AllCfg::progStyleBlock(const QMyWidget &w)
{
    return styleBlock(w, progSlot);
}

QByteArray AllCfg::mainImageBlock(const QMyWidget &w)
{
    return imageBlock(w, mainSlot);
}

QByteArray AllCfg::selectImageBlock(const QMyWidget &w)
{
    return imageBlock(w, selectSlot);
}

QByteArray AllCfg::pressImageBlock(const QMyWidget &w)
{
    return imageBlock(w, pressSlot);
}

QByteArray AllCfg::handleImageBlock(const QMyWidget &w)
{
    return imageBlock(w, handleSlot);
}

QByteArray AllCfg::progImageBlock(const QMyWidget &w)
{
    return imageBlock(w, progSlot);
}

QByteArray AllCfg::animBlock(const QMyWidget &w)
{
    QByteArray b;
    b.reserve(12);
    u16(b, w.getAnimEnabled());
    u16(b, w.getAnimMode());
    u16(b, w.getAnimDir());
    u16(b, w.getAnimTime());
    u16(b, w.getAnimX());
    u16(b, w.getAnimY());
    return b;
}

QByteArray AllCfg::chartAxisBlock(const QMyWidget &w, int axis)
{
    QByteArray b;
    b.reserve(16);
    u16(b, w.getChartTickEnable(axis));
    u16(b, w.getChartTickLabelEnable(axis));
    u16(b, w.getChartTickMinValue(axis));
    u16(b, w.getChartTickMaxValue(axis));
    u16(b, w.getChartSubTickLength(axis));
    u16(b, w.getChartTickLength(axis));
    u16(b, w.getChartSubTickCount(axis));
    u16(b, w.getChartTickCount(axis));
    return b;
}

QByteArray AllCfg::paddingFor(const QByteArray &bytes)
{
    return QByteArray((4 - bytes.size() % 4) % 4, '\0');
}

QByteArray AllCfg::textBytes(const QString &text, int length)
{
    if (length <= 0)
        return QByteArray();
    QByteArray bytes = text.toUtf8();
    // A cut may fall inside a character: the module reads exactly length bytes.
    if (bytes.size() > length)
        bytes.truncate(length);
    else
        bytes.append(length - bytes.size(), '\0');
    return bytes;
}

qint64 AllCfg::chartSeriesTextLength(const QMyWidget &w)
{
    const int count = w.getChartSerCount();
    if (count <= 0)
        return 0;
    qint64 length = count - 1; // the separators
    for (int i = 0; i < qMin(count, int(QMyWidget::SeriesCount)); ++i)
        length += w.getChartSerData(i).toUtf8().size();
    return length;
}

QByteArray AllCfg::chartSeriesText(const QMyWidget &w)
{
    const int count = w.getChartSerCount();
    QByteArray text;
    for (int i = 0; i < qMin(count, int(QMyWidget::SeriesCount)); ++i) {
        if (i > 0)
            text += '/';
        text += w.getChartSerData(i).toUtf8();
    }
    // Series beyond the second have no values, only their separators.
    if (count > QMyWidget::SeriesCount)
        text.append(count - QMyWidget::SeriesCount, '/');
    return text;
}

int AllCfg::recordProblem(const QMyWidget &w, qint64 offset)
{
    const WidgetType type = w.getType();
    if (!isKnownWidgetType(type))
        return Success;
    if (offset > FieldLimit)
        return RecordOffsetTooLarge;
    const bool hasText = type == WidgetType::Btn || type == WidgetType::Lab
        || type == WidgetType::TextBox || type == WidgetType::QRCode;
    if (hasText && w.getLongTextLen() > FieldLimit)
        return TextTooLong;
    if (type == WidgetType::Chart && chartSeriesTextLength(w) > FieldLimit)
        return SeriesTooLong;
    return Success;
}

QByteArray AllCfg::widgetRecord(const QMyWidget &w, int offset)
{
    switch (w.getType()) {
    case WidgetType::Btn:
        return buttonRecord(w, offset);
    case WidgetType::Lab:
        return labelRecord(w, offset);
    case WidgetType::Img:
        return imageRecord(w, offset);
    case WidgetType::Prog:
        return progRecord(w, offset);
    case WidgetType::TextBox:
        return textBoxRecord(w, offset);
    case WidgetType::QRCode:
        return qrCodeRecord(w, offset);
    case WidgetType::Slider:
        return sliderRecord(w, offset);
    case WidgetType::Arc:
        return arcRecord(w, offset);
    case WidgetType::Meter:
        return meterRecord(w, offset);
    case WidgetType::Chart:
        return chartRecord(w, offset);
    }
    return QByteArray();
}

int AllCfg::pageFile(const PageParam &page, const QList<QMyWidget *> &widgets, int width,
                     int height, QByteArray *bytes, const QMyWidget **culprit)
{
    QByteArray b = shortBlock(0x8001, 0, 0, 0) + shortBlock(0, 0, width, height);
    b += pageRecord(page);
    pad(b);
    b += pageAnimBlock(page);
    pad(b);
    Q_ASSERT(b.size() == PageBlockLength);

    // Ids name the widgets in the module's scripts and in the container's sections. They
    // are written in 16 bits, so they are compared as written.
    QSet<quint16> ids;
    for (const QMyWidget *w : widgets) {
        if (!isKnownWidgetType(w->getType()))
            continue;
        int problem = Success;
        if (w->getId() < 0 || w->getId() > FieldLimit)
            problem = WidgetIdOutOfRange;
        else if (ids.contains(quint16(w->getId())))
            problem = DuplicateWidgetId;
        if (problem != Success) {
            if (culprit)
                *culprit = w;
            return problem;
        }
        ids.insert(quint16(w->getId()));
    }

    for (const QMyWidget *w : widgets) {
        const int problem = recordProblem(*w, b.size());
        if (problem != Success) {
            if (culprit)
                *culprit = w;
            return problem;
        }
        b += widgetRecord(*w, b.size());
    }
    b.append(EndMarker, sizeof EndMarker);
    *bytes = b;
    return Success;
}

QList<int> AllCfg::recordPictures(const QMyWidget &w)
{
    QList<int> numbers;
    switch (w.getType()) {
    case WidgetType::Btn:
        numbers << w.getImageNum()
                << (w.getCheckabled() ? w.getSelectImageNum() : w.getPressImageNum())
                << w.getSelectImageNum();
        break;
    case WidgetType::Lab:
    case WidgetType::Img:
    case WidgetType::TextBox:
        numbers << w.getImageNum();
        break;
    case WidgetType::Prog:
        numbers << w.getImageNum() << w.getProgImageNum();
        break;
    case WidgetType::Meter:
        numbers << w.getImageNum();
        for (int i = 0; i < QMyWidget::NeedleCount; ++i)
            numbers << w.getMeterPointPicID(i);
        break;
    // Their records carry the flag of no picture, whatever their image blocks hold.
    case WidgetType::QRCode:
    case WidgetType::Slider:
    case WidgetType::Arc:
    case WidgetType::Chart:
        break;
    }
    // A negative number is no picture.
    numbers.erase(std::remove_if(numbers.begin(), numbers.end(), [](int n) { return n < 0; }),
                  numbers.end());
    return numbers;
}

bool AllCfg::pictureMissing(const QMyWidget &w, int pictureCount, int *picture)
{
    for (const int number : recordPictures(w)) {
        if (number >= pictureCount) {
            if (picture)
                *picture = number;
            return true;
        }
    }
    return false;
}

bool AllCfg::backgroundMissing(const PageParam &page, int pictureCount, int *picture)
{
    if (page.pageImageNum() < pictureCount)
        return false;
    if (picture)
        *picture = page.pageImageNum();
    return true;
}

bool AllCfg::animationPictureMissing(const BootParam &boot, int pictureCount, int *picture)
{
    if (!boot.getAnimFlag())
        return false;
    // The animation shows the pictures from one end of its range to the other. A range
    // below 0 is what deleting the animation's last picture leaves.
    const int low = qMin(boot.getAnimStartID(), boot.getAnimEndID());
    const int high = qMax(boot.getAnimStartID(), boot.getAnimEndID());
    if (low >= 0 && high < pictureCount)
        return false;
    if (picture)
        *picture = low < 0 ? low : qMax(low, pictureCount);
    return true;
}
