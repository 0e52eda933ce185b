#include "qmywidget.h"

#include "colorcomponent.h"
#include "designdocument.h"
#include "drawgeometry.h"
#include "qmywidgetpainter.h"

#include <QFileInfo>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>

QMyWidget::QMyWidget(int id, WidgetType type, const QString &typeName, QWidget *parent)
    : QWidget(parent)
    , parentWnd(parent)
    , m_type(type)
    , m_typeName(typeName)
{
    m_Id = id;
    setMouseTracking(true);
}

QMyWidget::~QMyWidget() = default;

const QStringList &QMyWidget::pictures() const
{
    static const QStringList none;
    return m_document ? m_document->pictures() : none;
}

QString QMyWidget::projectFolder() const
{
    // Without a project there is no folder to look in (not even the working directory).
    if (!m_document || m_document->projectPath().isEmpty())
        return QString();
    return QFileInfo(m_document->projectPath()).absolutePath();
}

// A widget not shown (on a page not shown, or on a canvas never shown) is polished when it
// shows or is drawn, not before: a design holds many of them and polishing by the style
// sheet is costly.
bool QMyWidget::event(QEvent *event)
{
    if (event->type() == QEvent::PolishRequest && !isVisible())
        return true;
    return QWidget::event(event);
}

void QMyWidget::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
}

int QMyWidget::component(const QColor &color, int which)
{
    return ColorComponent::get(color, ColorComponent::Component(which));
}

void QMyWidget::setComponent(QColor &color, int which, int value)
{
    ColorComponent::set(color, ColorComponent::Component(which), value);
}

// Positions and sizes stay within the range that drawing and mouse steps can add up
// without overflow, wherever they come from.
void QMyWidget::setX(int x)
{
    m_X = DrawGeometry::clampCoord(x);
    move(m_X, m_Y);
}

void QMyWidget::setY(int y)
{
    m_Y = DrawGeometry::clampCoord(y);
    move(m_X, m_Y);
}

void QMyWidget::setPos(int x, int y)
{
    m_X = DrawGeometry::clampCoord(x);
    m_Y = DrawGeometry::clampCoord(y);
    m_W = DrawGeometry::clampCoord(m_W);
    m_H = DrawGeometry::clampCoord(m_H);
    m_geometryRect = QRect(m_X, m_Y, m_W, m_H);
    move(m_X, m_Y);
    update();
}

int QMyWidget::getHAlign() const
{
    if (m_HAlign == Qt::AlignLeft)
        return 1;
    if (m_HAlign == Qt::AlignRight)
        return 2;
    return 0;
}

void QMyWidget::setHAlign(int index)
{
    static const Qt::Alignment flags[] = {Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignRight};
    if (inRange(index, 3))
        m_HAlign = flags[index];
}

int QMyWidget::getVAlign() const
{
    if (m_VAlign == Qt::AlignTop)
        return 1;
    if (m_VAlign == Qt::AlignBottom)
        return 2;
    return 0;
}

void QMyWidget::setVAlign(int index)
{
    static const Qt::Alignment flags[] = {Qt::AlignVCenter, Qt::AlignTop, Qt::AlignBottom};
    if (inRange(index, 3))
        m_VAlign = flags[index];
}

void QMyWidget::setSelected(bool on)
{
    if (selected != on)
        selected = on;
}

bool QMyWidget::getIsDragging() const
{
    if (moving)
        return true;
    for (bool r : resizing) {
        if (r)
            return true;
    }
    return false;
}

QRect QMyWidget::getHandleRect(int i) const
{
    return inRange(i, HandleCount) ? handleRects[i] : QRect();
}

void QMyWidget::replaceEvent(int index, int param, const QString &value)
{
    m_events.replace(index, param, value);
}

bool QMyWidget::setEventContent(int key, int status, const QString &text)
{
    return m_events.setContent(key, status, text);
}

// A series text is cut at every "/", empty pieces kept: "" is one empty value.
double QMyWidget::getChartSerDataValue(int i, int j) const
{
    if (!inRange(i, SeriesCount))
        return 0;
    const QStringList pieces = m_ChartSerData[i].split(QLatin1Char('/'));
    if (!inRange(j, pieces.size()))
        return 0;
    return pieces.at(j).toDouble();
}

void QMyWidget::setChartSerDataValue(int i, int j, double value)
{
    if (!inRange(i, SeriesCount))
        return;
    QStringList pieces = m_ChartSerData[i].split(QLatin1Char('/'));
    if (!inRange(j, pieces.size()))
        return;
    pieces[j] = QString::number(value, 'g', 6);
    m_ChartSerData[i] = pieces.join(QLatin1Char('/'));
}

void QMyWidget::resizeChartSerData(int i, int n)
{
    if (!inRange(i, SeriesCount))
        return;
    const QStringList pieces = m_ChartSerData[i].split(QLatin1Char('/'));
    const int count = pieces.size();
    if (count < n) {
        for (int k = count; k < n; ++k)
            m_ChartSerData[i] += QLatin1String("/0");
    } else {
        m_ChartSerData[i] = n > 0 ? pieces.mid(0, n).join(QLatin1Char('/')) : QString();
    }
}

void QMyWidget::copyAttributesFrom(const QMyWidget &source)
{
#define COPY_NOTHING(Name, key)
#define COPY_FIXED(Name, key, def)
#define COPY_VALUE(Name, key, def) m_##Name = source.m_##Name;
#define COPY_ALIGN(Name, key) m_##Name = source.m_##Name;
#define COPY_COLOR(Base, Digit, key, def) m_##Base##Digit = source.m_##Base##Digit;
#define COPY_ARRAY(Name, key, Count) m_##Name = source.m_##Name;
#define COPY_GROUP(List, Count, First) List(COPY_ARRAY, COPY_ARRAY, COPY_ARRAY)
    QMYWIDGET_ATTRIBUTES(COPY_NOTHING, COPY_FIXED, COPY_VALUE, COPY_VALUE, COPY_VALUE, COPY_ALIGN,
                         COPY_COLOR, COPY_GROUP)
#undef COPY_NOTHING
#undef COPY_FIXED
#undef COPY_VALUE
#undef COPY_ALIGN
#undef COPY_COLOR
#undef COPY_ARRAY
#undef COPY_GROUP
}

void QMyWidget::copyEventsFrom(const QMyWidget &source)
{
    m_events.copyFrom(source.m_events);
}

namespace {

enum class KeyKind { Int, Bool, Text, Component };

using IntGetter = int (*)(const QMyWidget &, int);
using IntSetter = void (*)(QMyWidget &, int, int);
using TextGetter = QString (*)(const QMyWidget &, int);
using TextSetter = void (*)(QMyWidget &, int, const QString &);
using ColorGetter = QColor (*)(const QMyWidget &, int);
using ColorSetter = void (*)(QMyWidget &, int, const QColor &);

// How one file key reaches its attribute: the entry index of an array attribute and,
// for a colour key, the component.
struct KeyAccess
{
    KeyKind kind = KeyKind::Int;
    int index = 0;
    int component = 0;
    IntGetter getInt = nullptr;
    IntSetter setInt = nullptr;
    TextGetter getText = nullptr;
    TextSetter setText = nullptr;
    ColorGetter getColor = nullptr;
    ColorSetter setColor = nullptr;
};

struct ColorAccess
{
    int index = 0;
    ColorGetter get = nullptr;
    ColorSetter set = nullptr;
};

struct KeyTables
{
    QStringList fileKeys;
    QHash<QString, KeyAccess> byKey;
    // In the order of fileKeys.
    QVector<KeyAccess> byIndex;
    QStringList colorKeys;
    QHash<QString, ColorAccess> colors;

    void addInt(const QString &key, KeyKind kind, int index, IntGetter get, IntSetter set)
    {
        KeyAccess a;
        a.kind = kind;
        a.index = index;
        a.getInt = get;
        a.setInt = set;
        add(key, a);
    }
    void addText(const QString &key, int index, TextGetter get, TextSetter set)
    {
        KeyAccess a;
        a.kind = KeyKind::Text;
        a.index = index;
        a.getText = get;
        a.setText = set;
        add(key, a);
    }
    // A colour: its four component keys (prefix, letter, suffix) and its whole-colour key.
    void addColor(const QString &prefix, const QString &suffix, int index, ColorGetter get,
                  ColorSetter set)
    {
        for (int c = 0; c < 4; ++c) {
            KeyAccess a;
            a.kind = KeyKind::Component;
            a.index = index;
            a.component = c;
            a.getColor = get;
            a.setColor = set;
            add(prefix + QLatin1Char(ColorComponent::letter(ColorComponent::Component(c))) + suffix,
                a);
        }
        ColorAccess whole;
        whole.index = index;
        whole.get = get;
        whole.set = set;
        colorKeys.append(prefix + suffix);
        colors.insert(prefix + suffix, whole);
    }
    void add(const QString &key, const KeyAccess &access)
    {
        fileKeys.append(key);
        byKey.insert(key, access);
        byIndex.append(access);
    }
};

const KeyTables &keyTables()
{
    static const KeyTables tables = [] {
        KeyTables t;
        QString suffix;
        int n = 0;
#define KEY_POS(Name, key)                                                                         \
    t.addInt(                                                                                      \
        QStringLiteral(key), KeyKind::Int, 0,                                                      \
        [](const QMyWidget &w, int) { return w.get##Name(); },                                     \
        [](QMyWidget &w, int, int v) { w.set##Name(v); });
#define KEY_INT(Name, key, def) KEY_POS(Name, key)
#define KEY_BOOL(Name, key, def)                                                                   \
    t.addInt(                                                                                      \
        QStringLiteral(key), KeyKind::Bool, 0,                                                     \
        [](const QMyWidget &w, int) { return w.get##Name() ? 1 : 0; },                             \
        [](QMyWidget &w, int, int v) { w.set##Name(v > 0); });
#define KEY_STR(Name, key, def)                                                                    \
    t.addText(                                                                                     \
        QStringLiteral(key), 0, [](const QMyWidget &w, int) { return w.get##Name(); },             \
        [](QMyWidget &w, int, const QString &v) { w.set##Name(v); });
#define KEY_COLOR(Base, Digit, key, def)                                                           \
    t.addColor(                                                                                    \
        QStringLiteral(key), QStringLiteral(#Digit), 0,                                            \
        [](const QMyWidget &w, int) { return w.get##Base##Digit(); },                              \
        [](QMyWidget &w, int, const QColor &c) { w.set##Base##Digit(c); });
#define KEY_IARR(Name, key, Count)                                                                 \
    t.addInt(                                                                                      \
        QStringLiteral(key) + suffix, KeyKind::Int, n,                                             \
        [](const QMyWidget &w, int i) { return w.get##Name(i); },                                  \
        [](QMyWidget &w, int i, int v) { w.set##Name(i, v); });
#define KEY_CARR(Name, key, Count)                                                                 \
    t.addColor(                                                                                    \
        QStringLiteral(key), suffix, n, [](const QMyWidget &w, int i) { return w.get##Name(i); },  \
        [](QMyWidget &w, int i, const QColor &c) { w.set##Name(i, c); });
#define KEY_SARR(Name, key, Count)                                                                 \
    t.addText(                                                                                     \
        QStringLiteral(key) + suffix, n, [](const QMyWidget &w, int i) { return w.get##Name(i); }, \
        [](QMyWidget &w, int i, const QString &v) { w.set##Name(i, v); });
#define KEY_GROUP(List, Count, First)                                                              \
    for (n = 0; n < QMyWidget::Count; ++n) {                                                       \
        suffix = QString::number(n + First);                                                       \
        List(KEY_IARR, KEY_CARR, KEY_SARR)                                                         \
    }
        QMYWIDGET_ATTRIBUTES(KEY_POS, KEY_INT, KEY_INT, KEY_BOOL, KEY_STR, KEY_POS, KEY_COLOR,
                             KEY_GROUP)
#undef KEY_POS
#undef KEY_INT
#undef KEY_BOOL
#undef KEY_STR
#undef KEY_COLOR
#undef KEY_IARR
#undef KEY_CARR
#undef KEY_SARR
#undef KEY_GROUP
        return t;
    }();
    return tables;
}

bool setAccessInt(QMyWidget &widget, const KeyAccess &access, int value)
{
    if (access.kind == KeyKind::Text)
        return false;
    if (access.kind == KeyKind::Component) {
        QColor color = access.getColor(widget, access.index);
        ColorComponent::set(color, ColorComponent::Component(access.component), value);
        access.setColor(widget, access.index, color);
    } else {
        access.setInt(widget, access.index, value);
    }
    return true;
}

// Integers read as the project loader reads them: white space and a sign allowed,
// anything else (or a number beyond 32 bits) is 0.
int fileInt(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

bool setAccessText(QMyWidget &widget, const KeyAccess &access, const QString &text)
{
    if (access.kind != KeyKind::Text)
        return setAccessInt(widget, access, fileInt(text));
    access.setText(widget, access.index, text);
    return true;
}

} // namespace

const QStringList &QMyWidget::fileKeys()
{
    return keyTables().fileKeys;
}

bool QMyWidget::isFileKey(const QString &key)
{
    return keyTables().byKey.contains(key);
}

bool QMyWidget::isTextKey(const QString &key)
{
    const auto &byKey = keyTables().byKey;
    const auto it = byKey.constFind(key);
    return it != byKey.constEnd() && it->kind == KeyKind::Text;
}

QString QMyWidget::fileValue(const QString &key) const
{
    const auto &byKey = keyTables().byKey;
    const auto it = byKey.constFind(key);
    if (it == byKey.constEnd())
        return QString();
    if (it->kind == KeyKind::Text)
        return it->getText(*this, it->index);
    return QString::number(intValue(key));
}

bool QMyWidget::setFileValue(const QString &key, const QString &text)
{
    const auto &byKey = keyTables().byKey;
    const auto it = byKey.constFind(key);
    return it != byKey.constEnd() && setAccessText(*this, *it, text);
}

bool QMyWidget::setFileValueAt(int key, const QString &text)
{
    const QVector<KeyAccess> &byIndex = keyTables().byIndex;
    return key >= 0 && key < byIndex.size() && setAccessText(*this, byIndex.at(key), text);
}

int QMyWidget::intValue(const QString &key, bool *ok) const
{
    const auto &byKey = keyTables().byKey;
    const auto it = byKey.constFind(key);
    const bool found = it != byKey.constEnd() && it->kind != KeyKind::Text;
    if (ok)
        *ok = found;
    if (!found)
        return 0;
    if (it->kind == KeyKind::Component)
        return component(it->getColor(*this, it->index), it->component);
    return it->getInt(*this, it->index);
}

bool QMyWidget::setIntValue(const QString &key, int value)
{
    const auto &byKey = keyTables().byKey;
    const auto it = byKey.constFind(key);
    return it != byKey.constEnd() && setAccessInt(*this, *it, value);
}

bool QMyWidget::setIntValueAt(int key, int value)
{
    const QVector<KeyAccess> &byIndex = keyTables().byIndex;
    return key >= 0 && key < byIndex.size() && setAccessInt(*this, byIndex.at(key), value);
}

const QStringList &QMyWidget::colorKeys()
{
    return keyTables().colorKeys;
}

QColor QMyWidget::colorValue(const QString &key, bool *ok) const
{
    const auto &colors = keyTables().colors;
    const auto it = colors.constFind(key);
    if (ok)
        *ok = it != colors.constEnd();
    if (it == colors.constEnd())
        return QColor();
    return it->get(*this, it->index);
}

bool QMyWidget::setColorValue(const QString &key, const QColor &color)
{
    const auto &colors = keyTables().colors;
    const auto it = colors.constFind(key);
    if (it == colors.constEnd())
        return false;
    it->set(*this, it->index, color);
    return true;
}

// ---- Selecting, moving and resizing ----------------------------------------------------

void QMyWidget::clearDrag()
{
    moving = false;
    for (bool &r : resizing)
        r = false;
}

void QMyWidget::mousePressEvent(QMouseEvent *event)
{
    if (!selected)
        emit s_sendPressWnd(this);
    pressPoint = event->pos();
    selected = true;
    clearDrag();
    const int handle = DrawGeometry::handleAt(handleRects, pressPoint);
    if (handle >= 0)
        resizing[handle] = true;
    else
        moving = true;
    repaint();
}

void QMyWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->pos();
    // A press whose release went elsewhere (a context menu opened on it) must not leave
    // the widget glued to the pointer.
    if (event->buttons() == Qt::NoButton)
        clearDrag();

    int handle = -1;
    for (int i = 0; i < HandleCount; ++i) {
        if (resizing[i])
            handle = i;
    }
    if (moving || handle >= 0) {
        DrawGeometry::DragInput in;
        in.handle = moving ? -1 : handle;
        in.pointer = p;
        in.press = pressPoint;
        in.x = m_X;
        in.y = m_Y;
        in.w = m_W;
        in.h = m_H;
        in.screenW = width();
        in.screenH = height();
        QWidget *canvas = parentWnd ? parentWnd : parentWidget();
        in.parentW = canvas ? canvas->width() : width();
        in.parentH = canvas ? canvas->height() : height();
        in.originX = originX;
        in.originY = originY;
        const DrawGeometry::DragResult r = DrawGeometry::dragStep(in);
        m_W = r.w;
        m_H = r.h;
        setPos(r.x, r.y);
    } else {
        updateCursor(p);
    }
    emit s_sendWndMove(this);
}

void QMyWidget::mouseReleaseEvent(QMouseEvent *event)
{
    emit s_sendPressPos(QPoint(event->pos().x() + m_X, event->pos().y() + m_Y));
    clearDrag();
}

void QMyWidget::updateCursor(const QPoint &p)
{
    setCursor(DrawGeometry::handleCursor(DrawGeometry::handleAt(handleRects, p)));
}

void QMyWidget::drawHandles()
{
    QPainter p(this);
    QMyWidgetPainter::drawHandles(p, handleRects, HandleCount);
}

// ---- Drawing steps shared by the widget types ------------------------------------------

void QMyWidget::paintBackgroundStep(QPainter &p, const QRect &r, bool clip, bool border)
{
    setBorderColorA(DrawGeometry::clampByte(m_BorderOpa));
    const QPen pen =
        QMyWidgetPainter::borderPen(border ? m_BorderWidth : 0, m_BorderColor, m_BorderOpa);
    const QBrush brush =
        QMyWidgetPainter::fillBrush(m_GradMode, m_Background1, m_Background2, QRectF(r));
    QMyWidgetPainter::drawShape(p, QMyWidgetPainter::roundedPath(QRectF(r), m_Radius), pen, brush,
                                clip);
}

void QMyWidget::paintKnob(QPainter &p, const QRect &knob)
{
    if (getHandleBorderWidth() != 0)
        setHandleBorderColorA(DrawGeometry::clampByte(getHandleBorderOpa()));
    QMyWidgetPainter::drawShape(
        p, QMyWidgetPainter::roundedPath(QRectF(knob), getHandleRadius()),
        QMyWidgetPainter::borderPen(getHandleBorderWidth(), getHandleBorderColor(),
                                    getHandleBorderOpa()),
        QMyWidgetPainter::fillBrush(getHandleGradMode(), getHandleBackground1(),
                                    getHandleBackground2(), QRectF(knob)));
}

void QMyWidget::paintHiddenLook(QPainter &p, const QRect &idBox, const QColor &outline,
                                const QFont &idFont)
{
    QMyWidgetPainter::drawHiddenOutline(p, size(), outline);
    QMyWidgetPainter::drawIdLabel(p, idBox, m_Id, m_Background1.red() == 255, idFont);
}

void QMyWidget::paintPlain(const std::function<void(QPainter &)> &text, const QFont &hiddenIdFont)
{
    resizeForPaint(m_W, m_H);
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRect area(originX, originY, DrawGeometry::clampCoord(m_W),
                         DrawGeometry::clampCoord(m_H));
        const QRect box = DrawGeometry::idBox(m_W, originY, m_BorderWidth);
        if (m_Flag == 0) {
            const bool black =
                DrawGeometry::idLabelBlack(box, area, m_ProgBackground1, m_Background1);
            QMyWidgetPainter::drawIdLabel(p, box, m_Id, black);
            paintBackgroundStep(p, area, true);
            QMyWidgetPainter::drawPicture(p, pictures(), m_ImageNum, area, m_ImageColor,
                                          m_ImageColorOpa, m_ImageOpa);
            text(p);
            QMyWidgetPainter::drawIdLabel(p, box, m_Id, black);
        } else if (m_Flag == 1) {
            paintHiddenLook(p, box, m_Background1, hiddenIdFont);
        }
    }
    finishPaint(false);
}

void QMyWidget::resizeForPaint(int w, int h)
{
    // Sizes from a file may be anything; the toolkit keeps widgets within these bounds.
    resize(qBound(0, w, QWIDGETSIZE_MAX), qBound(0, h, QWIDGETSIZE_MAX));
}

void QMyWidget::finishPaint(bool cornersOnly)
{
    DrawGeometry::layoutHandles(handleRects, width(), height(), cornersOnly);
    if (selected)
        drawHandles();
}
