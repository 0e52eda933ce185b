#ifndef QMYWIDGET_H
#define QMYWIDGET_H

#include "eventowner.h"
#include "qmywidgetattributes.h"
#include "widgettype.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class DesignDocument;
class QMouseEvent;
class QPaintEvent;
class QPainter;
class QFont;

// The attribute record behind every widget of the design. All ten widget types carry
// the full set of attributes; each subclass only sets its own defaults and draws.
class QMyWidget : public QWidget, public EventOwner
{
    Q_OBJECT

public:
    static constexpr int NeedleCount = 3;
    static constexpr int AxisCount = 4;
    static constexpr int SeriesCount = 2;
    static constexpr int HandleCount = 8;

    QMyWidget(int id, WidgetType type, const QString &typeName, QWidget *parent);
    ~QMyWidget() override;

    // The design that holds the widget, set when the design takes it; its pictures and
    // fonts are the ones the widget shows.
    void setDocument(const DesignDocument *document) { m_document = document; }
    const DesignDocument *document() const { return m_document; }

    WidgetType getType() const { return m_type; }
    QString getTypeName() const { return m_typeName; }

    // Position: setX/setY move the widget but keep the geometry rectangle; setPos sets
    // both and repaints.
    void setId(int id) { m_Id = id; }
    void setX(int x);
    void setY(int y);
    void setPos(int x, int y);
    QRect getGeometryRect() const { return m_geometryRect; }

    // Alignments as the file and the sheet see them: 0 centre, 1 left/top, 2 right/bottom.
    int getHAlign() const;
    void setHAlign(int index);
    int getVAlign() const;
    void setVAlign(int index);
    Qt::Alignment hAlignFlag() const { return m_HAlign; }
    Qt::Alignment vAlignFlag() const { return m_VAlign; }

    bool isSelected() const { return selected; }
    void setSelected(bool on);
    bool getIsDragging() const;
    QRect getHandleRect(int i) const;

    // Events and the five event slots.
    QList<EventInfo> getEvents() const { return m_events.events(); }
    void addEvent(const EventInfo &event) { m_events.append(event); }
    void removeEvent(int index) { m_events.remove(index); }
    void replaceEvent(int index, int param, const QString &value);
    int getEventStatus(int key) const { return m_events.status(key); }
    QString getEventText(int key) const { return m_events.text(key); }
    void setEventStatus(int key, int status) { m_events.setStatus(key, status); }
    void setEventText(int key, const QString &text) { m_events.setText(key, text); }
    bool setEventContent(int key, int status, const QString &text);

    // The values of a chart series, kept as one text joined by "/".
    double getChartSerDataValue(int i, int j) const;
    void setChartSerDataValue(int i, int j, double value);
    void resizeChartSerData(int i, int n);

    // Copies every attribute that paste and page copy take over: all but the id, the
    // position, the computed inner rectangle (ProgX..ProgH) and the interaction state.
    void copyAttributesFrom(const QMyWidget &source);
    // Appends copies of the source's events and takes over its five slots.
    void copyEventsFrom(const QMyWidget &source);

    // Writes back what a paint of the widget would compute into the model (square sides,
    // the inner rectangle ProgX..ProgH, the chart's bottom axis, needle pictures that name
    // no image), without painting: a widget of a page never shown carries them too.
    virtual void refreshComputedValues() { }

    // Keyed access by project-file element key ("id" ... "ybexItemAnimY"; indexed keys
    // carry their suffix, meter needles from 1). Made from the attribute table.
    static const QStringList &fileKeys();
    static bool isFileKey(const QString &key);
    // Keys whose value is a text rather than a number.
    static bool isTextKey(const QString &key);
    // The element's text as the project file holds it; a null string for an unknown key.
    QString fileValue(const QString &key) const;
    // Stores an element's text. Numbers read as the loader reads them (surrounding
    // white space and a sign allowed, anything else 0), booleans are true above 0,
    // alignments outside 0..2 change nothing. False only for an unknown key.
    bool setFileValue(const QString &key, const QString &text);
    // Ints, booleans (0/1), alignment indexes and colour components by file key.
    int intValue(const QString &key, bool *ok = nullptr) const;
    bool setIntValue(const QString &key, int value);
    // The two setters by the key's place in fileKeys(), for readers that set many values
    // and look each key up once.
    bool setFileValueAt(int key, const QString &text);
    bool setIntValueAt(int key, int value);
    // Whole colours by the key that names the colour ("fontColor", "ybexItemBackground1",
    // "ybexItemMeterPointColor1" for needle 0, "ybexItemChartSerColor0").
    static const QStringList &colorKeys();
    QColor colorValue(const QString &key, bool *ok = nullptr) const;
    bool setColorValue(const QString &key, const QColor &color);

signals:
    void s_sendPressWnd(QMyWidget *widget);
    void s_sendWndMove(QMyWidget *widget);
    void s_sendPressPos(QPoint pos);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    // Interaction state, driven by the mouse handling.
    QWidget *parentWnd;
    int originX = 0;
    int originY = 0;
    QRect handleRects[HandleCount];
    bool selected = true;
    bool moving = false;
    bool resizing[HandleCount] = {};
    QPoint pressPoint;

    // Selecting, moving and resizing with the mouse.
public:
    // Paints the handles with a painter of its own; called last, while selected.
    void drawHandles();
    // The hover cursor of the handle under p, or the arrow.
    void updateCursor(const QPoint &p);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void clearDrag();

    // The pictures of the widget's design; none outside a design.
    const QStringList &pictures() const;
    // The folder of the design's project file; empty without one.
    QString projectFolder() const;

    // Drawing steps the widget types share.
    // Border, fill and (optionally) clip of the rounded outline of r from the released look.
    void paintBackgroundStep(QPainter &p, const QRect &r, bool clip, bool border = true);
    // The knob of a slider or arc in the handle colours.
    void paintKnob(QPainter &p, const QRect &knob);
    // Outline of the whole area and the id label.
    void paintHiddenLook(QPainter &p, const QRect &idBox, const QColor &outline,
                         const QFont &idFont);
    // The whole look of the types drawn on the whole widget (button, label, image); text
    // draws their text step.
    void paintPlain(const std::function<void(QPainter &)> &text, const QFont &hiddenIdFont);
    // The size a paint gives the widget (step one of every type's drawing).
    void resizeForPaint(int w, int h);
    // Lays out the handle rectangles and draws the handles of a selected widget.
    void finishPaint(bool cornersOnly);

private:
    template<std::size_t N> static std::array<QColor, N> opaqueBlack()
    {
        std::array<QColor, N> colors;
        colors.fill(QColor(0, 0, 0));
        return colors;
    }
    static bool inRange(int i, int count) { return i >= 0 && i < count; }
    static int component(const QColor &color, int which);
    static void setComponent(QColor &color, int which, int value);

    const DesignDocument *m_document = nullptr;
    WidgetType m_type;
    QString m_typeName;
    QRect m_geometryRect;
    Qt::Alignment m_HAlign = Qt::AlignHCenter;
    Qt::Alignment m_VAlign = Qt::AlignVCenter;

    // Members and accessors made from the attribute table.
#define QMYWIDGET_DECLARE_POS(Name, key)                                                           \
public:                                                                                            \
    int get##Name() const                                                                          \
    {                                                                                              \
        return m_##Name;                                                                           \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    int m_##Name = 0;

#define QMYWIDGET_DECLARE_INT(Name, key, def)                                                      \
public:                                                                                            \
    int get##Name() const                                                                          \
    {                                                                                              \
        return m_##Name;                                                                           \
    }                                                                                              \
    void set##Name(int value)                                                                      \
    {                                                                                              \
        m_##Name = value;                                                                          \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    int m_##Name = def;

#define QMYWIDGET_DECLARE_BOOL(Name, key, def)                                                     \
public:                                                                                            \
    bool get##Name() const                                                                         \
    {                                                                                              \
        return m_##Name;                                                                           \
    }                                                                                              \
    void set##Name(bool value)                                                                     \
    {                                                                                              \
        m_##Name = value;                                                                          \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    bool m_##Name = def;

#define QMYWIDGET_DECLARE_STR(Name, key, def)                                                      \
public:                                                                                            \
    QString get##Name() const                                                                      \
    {                                                                                              \
        return m_##Name;                                                                           \
    }                                                                                              \
    void set##Name(const QString &value)                                                           \
    {                                                                                              \
        m_##Name = value;                                                                          \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    QString m_##Name = def;

#define QMYWIDGET_DECLARE_ALIGN(Name, key)

#define QMYWIDGET_DECLARE_COLOR(Base, Digit, key, def)                                             \
public:                                                                                            \
    QColor get##Base##Digit() const                                                                \
    {                                                                                              \
        return m_##Base##Digit;                                                                    \
    }                                                                                              \
    void set##Base##Digit(const QColor &color)                                                     \
    {                                                                                              \
        m_##Base##Digit = color;                                                                   \
    }                                                                                              \
    int get##Base##R##Digit() const                                                                \
    {                                                                                              \
        return m_##Base##Digit.red();                                                              \
    }                                                                                              \
    int get##Base##G##Digit() const                                                                \
    {                                                                                              \
        return m_##Base##Digit.green();                                                            \
    }                                                                                              \
    int get##Base##B##Digit() const                                                                \
    {                                                                                              \
        return m_##Base##Digit.blue();                                                             \
    }                                                                                              \
    int get##Base##A##Digit() const                                                                \
    {                                                                                              \
        return m_##Base##Digit.alpha();                                                            \
    }                                                                                              \
    void set##Base##R##Digit(int value)                                                            \
    {                                                                                              \
        setComponent(m_##Base##Digit, 0, value);                                                   \
    }                                                                                              \
    void set##Base##G##Digit(int value)                                                            \
    {                                                                                              \
        setComponent(m_##Base##Digit, 1, value);                                                   \
    }                                                                                              \
    void set##Base##B##Digit(int value)                                                            \
    {                                                                                              \
        setComponent(m_##Base##Digit, 2, value);                                                   \
    }                                                                                              \
    void set##Base##A##Digit(int value)                                                            \
    {                                                                                              \
        setComponent(m_##Base##Digit, 3, value);                                                   \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    QColor m_##Base##Digit = def;

#define QMYWIDGET_DECLARE_IARR(Name, key, Count)                                                   \
public:                                                                                            \
    int get##Name(int i) const                                                                     \
    {                                                                                              \
        return inRange(i, Count) ? m_##Name[i] : 0;                                                \
    }                                                                                              \
    void set##Name(int i, int value)                                                               \
    {                                                                                              \
        if (inRange(i, Count))                                                                     \
            m_##Name[i] = value;                                                                   \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    std::array<int, Count> m_##Name {};

#define QMYWIDGET_DECLARE_CARR(Name, key, Count)                                                   \
public:                                                                                            \
    QColor get##Name(int i) const                                                                  \
    {                                                                                              \
        return inRange(i, Count) ? m_##Name[i] : QColor(0, 0, 0);                                  \
    }                                                                                              \
    void set##Name(int i, const QColor &color)                                                     \
    {                                                                                              \
        if (inRange(i, Count))                                                                     \
            m_##Name[i] = color;                                                                   \
    }                                                                                              \
    int get##Name##R(int i) const                                                                  \
    {                                                                                              \
        return inRange(i, Count) ? m_##Name[i].red() : 0;                                          \
    }                                                                                              \
    int get##Name##G(int i) const                                                                  \
    {                                                                                              \
        return inRange(i, Count) ? m_##Name[i].green() : 0;                                        \
    }                                                                                              \
    int get##Name##B(int i) const                                                                  \
    {                                                                                              \
        return inRange(i, Count) ? m_##Name[i].blue() : 0;                                         \
    }                                                                                              \
    int get##Name##A(int i) const                                                                  \
    {                                                                                              \
        return inRange(i, Count) ? m_##Name[i].alpha() : 0;                                        \
    }                                                                                              \
    void set##Name##R(int i, int value)                                                            \
    {                                                                                              \
        if (inRange(i, Count))                                                                     \
            setComponent(m_##Name[i], 0, value);                                                   \
    }                                                                                              \
    void set##Name##G(int i, int value)                                                            \
    {                                                                                              \
        if (inRange(i, Count))                                                                     \
            setComponent(m_##Name[i], 1, value);                                                   \
    }                                                                                              \
    void set##Name##B(int i, int value)                                                            \
    {                                                                                              \
        if (inRange(i, Count))                                                                     \
            setComponent(m_##Name[i], 2, value);                                                   \
    }                                                                                              \
    void set##Name##A(int i, int value)                                                            \
    {                                                                                              \
        if (inRange(i, Count))                                                                     \
            setComponent(m_##Name[i], 3, value);                                                   \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    std::array<QColor, Count> m_##Name = opaqueBlack<Count>();

#define QMYWIDGET_DECLARE_SARR(Name, key, Count)                                                   \
public:                                                                                            \
    QString get##Name(int i) const                                                                 \
    {                                                                                              \
        return inRange(i, Count) ? m_##Name[i] : QString();                                        \
    }                                                                                              \
    void set##Name(int i, const QString &text)                                                     \
    {                                                                                              \
        if (inRange(i, Count))                                                                     \
            m_##Name[i] = text;                                                                    \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    std::array<QString, Count> m_##Name;

#define QMYWIDGET_DECLARE_GROUP(List, Count, First)                                                \
    List(QMYWIDGET_DECLARE_IARR, QMYWIDGET_DECLARE_CARR, QMYWIDGET_DECLARE_SARR)

#ifndef Q_MOC_RUN
    QMYWIDGET_ATTRIBUTES(QMYWIDGET_DECLARE_POS, QMYWIDGET_DECLARE_INT, QMYWIDGET_DECLARE_INT,
                         QMYWIDGET_DECLARE_BOOL, QMYWIDGET_DECLARE_STR, QMYWIDGET_DECLARE_ALIGN,
                         QMYWIDGET_DECLARE_COLOR, QMYWIDGET_DECLARE_GROUP)
#endif

#undef QMYWIDGET_DECLARE_POS
#undef QMYWIDGET_DECLARE_INT
#undef QMYWIDGET_DECLARE_BOOL
#undef QMYWIDGET_DECLARE_STR
#undef QMYWIDGET_DECLARE_ALIGN
#undef QMYWIDGET_DECLARE_COLOR
#undef QMYWIDGET_DECLARE_IARR
#undef QMYWIDGET_DECLARE_CARR
#undef QMYWIDGET_DECLARE_SARR
#undef QMYWIDGET_DECLARE_GROUP
};

#endif // QMYWIDGET_H
