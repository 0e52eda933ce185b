#include "attributelimits.h"

#include "colorcomponent.h"
#include "qmywidget.h"
#include "sheettables.h"

#include <QHash>
#include <QVector>

#include <array>

namespace AttributeLimits {

namespace {

struct Coupling
{
    const char *opacity;
    QStringList colors;
};

const QList<Coupling> &couplings()
{
    static const QList<Coupling> table = {
        {"fontOpa", {"fontColor"}},
        {"ybexItemOpa", {"ybexItemBackground1", "ybexItemBackground2"}},
        {"ybexItemBorderOpa", {"ybexItemBorderColor"}},
        {"ybexItemImageColorOpa", {"ybexItemImageColor"}},
        {"ybexItemSelectOpa", {"ybexItemSelectBackground1", "ybexItemSelectBackground2"}},
        {"ybexItemSelectBorderOpa", {"ybexItemSelectBorderColor"}},
        {"ybexItemSelectImageColorOpa", {"ybexItemSelectImageColor"}},
        {"ybexItemPressOpa", {"ybexItemPressBackground1", "ybexItemPressBackground2"}},
        {"ybexItemPressBorderOpa", {"ybexItemPressBorderColor"}},
        {"ybexItemPressImageColorOpa", {"ybexItemPressImageColor"}},
        {"ybexItemProgOpa", {"ybexItemProgBackground1", "ybexItemProgBackground2"}},
        {"ybexItemProgBorderOpa", {"ybexItemProgBorderColor"}},
        {"ybexItemProgImageColorOpa", {"ybexItemProgImageColor"}},
        {"ybexItemHandleOpa", {"ybexItemHandleBackground1", "ybexItemHandleBackground2"}},
        {"ybexItemHandleBorderOpa", {"ybexItemHandleBorderColor"}},
        {"ybexItemArcOpa", {"ybexItemArcBackground1"}},
        {"ybexItemArcSelectOpa", {"ybexItemArcSelectBackground1"}},
        {"ybexItemCurrorOpa", {"ybexItemCurrorColor"}},
        {"ybexItemCurrorTextOpa", {"ybexItemCurrorTextColor"}},
        {"pageOpa", {"pageColorGrad1", "pageColorGrad2"}},
    };
    return table;
}

struct Range
{
    int min;
    int max;
};

const QHash<QString, Range> &ranges()
{
    static const QHash<QString, Range> table = [] {
        QHash<QString, Range> t;
        for (const Coupling &c : couplings())
            t.insert(QLatin1String(c.opacity), {0, 255});
        // The page opacity is stored as typed; only its colours' alphas are limited.
        t.remove(QStringLiteral("pageOpa"));
        for (const char *key : {"ybexItemImageOpa", "ybexItemSelectImageOpa",
                                "ybexItemPressImageOpa", "ybexItemProgImageOpa"})
            t.insert(QLatin1String(key), {0, 255});
        t.insert(QStringLiteral("ybexItemProgValue"), {0, 100});
        t.insert(QStringLiteral("ybexItemArcStartValue"), {0, 360});
        t.insert(QStringLiteral("ybexItemArcEndValue"), {0, 360});
        // The page file keeps these in 16 bits.
        t.insert(QStringLiteral("longTextLen"), {0, 65535});
        t.insert(QStringLiteral("ybexItemChartSerPointCount0"), {0, 65535});
        t.insert(QStringLiteral("ybexItemChartSerPointCount1"), {0, 65535});
        return t;
    }();
    return table;
}

const char *const sharedSeriesBases[] = {"ybexItemChartSerLineWidth", "ybexItemChartSerDotWidth",
                                         "ybexItemChartSerPointCount"};

bool dropsLineBreaks(const QMyWidget &w, const QString &key, int value)
{
    return key == QLatin1String("ybexItemSignalMode") && value != 0
        && w.getType() == WidgetType::TextBox;
}

// The rows of a widget's sheet whose showing can change a value: ranged int rows, the
// choices that apply when shown and the switches.
struct Check
{
    enum Kind { Range, Choice, Switch };
    QString key;
    Kind kind = Range;
    int choices = 0; // the number of values a choice keeps: its names and those it keeps
};

void collectChecks(const QList<SheetRow> &rows, QVector<Check> *checks)
{
    for (const SheetRow &row : rows) {
        int min = 0;
        int max = 0;
        if (row.kind == SheetRow::Int && valueRange(row.key, &min, &max))
            checks->append({row.key, Check::Range});
        else if (row.kind == SheetRow::Choice && row.appliesWhenShown)
            checks->append(
                {row.key, Check::Choice, int(row.choices.size() + row.keptChoices.size())});
        else if (row.kind == SheetRow::Bool)
            checks->append({row.key, Check::Switch});
        collectChecks(row.children, checks);
    }
}

// Made once: the sheets' rows are fixed per type and switch.
const QVector<Check> &checksOf(WidgetType type, bool checkable)
{
    static const auto table = [] {
        std::array<std::array<QVector<Check>, 2>, WidgetTypeCount> t;
        for (int code = 0; code < WidgetTypeCount; ++code) {
            for (int c = 0; c < 2; ++c)
                collectChecks(SheetTables::widgetSheet(WidgetType(code), c != 0), &t[code][c]);
        }
        return t;
    }();
    static const QVector<Check> none;
    if (!isKnownWidgetType(type))
        return none;
    return table[widgetTypeCode(type)][checkable ? 1 : 0];
}

// One pass over the rows as the sheet shows them; with target, the changes are made.
bool visit(const QMyWidget &w, QMyWidget *target)
{
    bool changed = false;
    for (const Check &check : checksOf(w.getType(), w.getCheckabled())) {
        bool known = false;
        const int value = w.intValue(check.key, &known);
        if (!known)
            continue;
        if (check.kind == Check::Switch) {
            // A switch shows any value but 0 as on.
            if (value == 0 || value == 1)
                continue;
            changed = true;
            if (!target)
                return true;
            target->setIntValue(check.key, 1);
            continue;
        }
        if (check.kind == Check::Range) {
            int min = 0;
            int max = 0;
            valueRange(check.key, &min, &max);
            if (value >= min && value <= max)
                continue;
            changed = true;
            if (!target)
                return true;
            const int bound = qBound(min, value, max);
            const QString base = sharedSeriesBase(check.key);
            if (base.isEmpty())
                setInt(*target, check.key, bound);
            else
                setSharedSeries(*target, base, bound);
            continue;
        }
        // A shown choice row takes its first name, then the stored entry when it has one.
        const int offset = choiceOffset(check.key);
        const qint64 index = qint64(value) - offset; // any int a file holds
        const int shown = index >= 0 && index < check.choices ? value : offset;
        if (shown == value
            && !(dropsLineBreaks(w, check.key, shown) && w.getText().contains(QLatin1Char('\n'))))
            continue;
        changed = true;
        if (!target)
            return true;
        setChoice(*target, check.key, shown);
    }
    return changed;
}

} // namespace

QStringList colorsOfOpacity(const QString &opacityKey)
{
    for (const Coupling &c : couplings()) {
        if (opacityKey == QLatin1String(c.opacity))
            return c.colors;
    }
    return {};
}

QString opacityOfColor(const QString &colorKey)
{
    for (const Coupling &c : couplings()) {
        if (c.colors.contains(colorKey))
            return QLatin1String(c.opacity);
    }
    return {};
}

bool valueRange(const QString &key, int *min, int *max)
{
    const auto it = ranges().constFind(key);
    if (it == ranges().constEnd())
        return false;
    *min = it->min;
    *max = it->max;
    return true;
}

int choiceOffset(const QString &key)
{
    return key == QLatin1String("ybexItemMeterPointNum")
            || key == QLatin1String("ybexItemChartSerCount")
        ? 1
        : 0;
}

QString sharedSeriesBase(const QString &key)
{
    for (const char *base : sharedSeriesBases) {
        if (key.startsWith(QLatin1String(base)))
            return QLatin1String(base);
    }
    return {};
}

void setInt(QMyWidget &w, const QString &key, int value)
{
    w.setIntValue(key, value);
    for (const QString &color : colorsOfOpacity(key)) {
        QColor c = w.colorValue(color);
        ColorComponent::set(c, ColorComponent::Alpha, value);
        w.setColorValue(color, c);
    }
}

void setSharedSeries(QMyWidget &w, const QString &base, int value)
{
    const bool count = base == QLatin1String("ybexItemChartSerPointCount");
    for (int k = 0; k < QMyWidget::SeriesCount; ++k) {
        const QString each = base + QString::number(k);
        if (count && w.intValue(each) != value)
            w.resizeChartSerData(k, value);
        w.setIntValue(each, value);
    }
}

void setChoice(QMyWidget &w, const QString &key, int value)
{
    if (dropsLineBreaks(w, key, value)) {
        QString text = w.getText();
        w.setText(text.remove(QLatin1Char('\n')));
    }
    w.setIntValue(key, value);
}

bool settle(QMyWidget &w)
{
    return visit(w, &w);
}

bool needsSettling(const QMyWidget &w)
{
    return visit(w, nullptr);
}

} // namespace AttributeLimits
