#include "qmypropertysheet.h"

#include "attributelimits.h"
#include "designdocument.h"
#include "designglobals.h"
#include "eventholder.h"
#include "qmywidget.h"
#include "qtenumpropertymanager.h"
#include "qttreepropertybrowser.h"
#include "qtusertypeone_imagemanager.h"
#include "qtusertypetwo_colormanager.h"
#include "qtvariantpropertymanager.h"
#include "sheetrules.h"
#include "sheettables.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QColor>
#include <QCoreApplication>

#include <limits>

namespace {

QString caption(const SheetRow &row)
{
    QString text = QCoreApplication::translate(SheetTables::Context, row.caption);
    return row.captionArg >= 0 ? text.arg(row.captionArg) : text;
}

// Restores a pointer member when the scope ends, also on early return.
class ShownRow
{
public:
    ShownRow(QtProperty *&member, QtProperty *row, bool mute)
        : member(member)
        , previous(member)
    {
        if (mute)
            member = row;
    }
    ~ShownRow() { member = previous; }

private:
    QtProperty *&member;
    QtProperty *previous;
};

// A sheet's rows are laid out once, when they are all there, not once per group row.
class LayoutOnce
{
public:
    explicit LayoutOnce(QtTreePropertyBrowser *browser)
        : browser(browser)
    {
        browser->suspendLayout();
    }
    ~LayoutOnce() { browser->resumeLayout(); }

private:
    QtTreePropertyBrowser *browser;
};

} // namespace

QMyPropertySheet::QMyPropertySheet(const Managers &managers, QMap<QtProperty *, QString> *keys,
                                   const DesignDocument *design)
    : m(managers)
    , keys(keys)
    , design(design)
{ }

void QMyPropertySheet::clear()
{
    // A spin box holds typed text it has not reported yet; report it to the rows it
    // belongs to before they go.
    for (QWidget *w = QApplication::focusWidget(); w && m.browser->isAncestorOf(w);
         w = w->parentWidget()) {
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(w)) {
            spin->interpretText();
            break;
        }
    }
    const LayoutOnce layout(m.browser);
    m.readOnly->clear();
    m.values->clear();
    m.images->clear();
    m.colors->clear();
    m.choices->clear();
    keys->clear();
    extraEntries.clear();
    shownRow = nullptr;
}

void QMyPropertySheet::setHeaders()
{
    m.browser->setHeaderLabels({QCoreApplication::translate("MainWindow", "属性"),
                                QCoreApplication::translate("MainWindow", "值")});
}

void QMyPropertySheet::addRows(const QList<SheetRow> &rows, const ValueOf &valueOf)
{
    const LayoutOnce layout(m.browser);
    for (const SheetRow &row : rows)
        makeRow(row, valueOf, nullptr);
}

int QMyPropertySheet::fontChoiceIndex(const QStringList &fontIds, int fontId)
{
    int index = 0;
    while (index < fontIds.size() && fontIds.at(index).toInt() != fontId)
        ++index;
    return index;
}

QStringList QMyPropertySheet::fontChoiceNames(int fontId, int *index) const
{
    QStringList names = design->fontIds();
    *index = fontChoiceIndex(names, fontId);
    if (*index >= names.size())
        names << QCoreApplication::translate("MainWindow", "%1（无此字体）").arg(fontId);
    return names;
}

void QMyPropertySheet::refreshFontChoice(const QString &key, int fontId)
{
    QtProperty *row = rowOf(key);
    if (!row)
        return;
    int index = 0;
    const QStringList names = fontChoiceNames(fontId, &index);
    // The widget keeps its font whatever the list now holds.
    const ShownRow shown(shownRow, row, true);
    m.choices->setEnumNames(row, names);
    m.choices->setValue(row, index);
}

bool QMyPropertySheet::extraEntry(const QString &key, int index, int *value) const
{
    const auto it = extraEntries.constFind(key);
    if (it == extraEntries.constEnd() || it->index != index)
        return false;
    *value = it->value;
    return true;
}

void QMyPropertySheet::showChoice(const QString &key, int index)
{
    QtProperty *row = rowOf(key);
    if (!row)
        return;
    const ShownRow shown(shownRow, row, true);
    m.choices->setValue(row, index);
}

void QMyPropertySheet::enterKey(QtProperty *row, const SheetRow &data)
{
    if (data.keyed && !data.key.isEmpty())
        keys->insert(row, data.key);
}

QStringList QMyPropertySheet::choiceNames(const SheetRow &row, const ValueOf &valueOf,
                                          int *index) const
{
    const int value = valueOf(row.key).toInt();
    if (row.kind == SheetRow::FontChoice)
        return fontChoiceNames(value, index);
    QStringList names;
    QString unlisted;
    if (row.kind == SheetRow::ResolutionChoice) {
        names = resolutionList;
        unlisted = valueOf(QStringLiteral("#resolution")).toString();
    } else {
        for (const char *name : row.choices)
            names << QCoreApplication::translate(SheetTables::Context, name);
        unlisted = QCoreApplication::translate("MainWindow", "未知（%1）").arg(value);
    }
    *index = value;
    // A value the row keeps without offering it shows as one more entry, named.
    // In 64 bits: a file may hold any int.
    const qint64 kept = qint64(value) - names.size();
    if (kept >= 0 && kept < row.keptChoices.size()) {
        names << QCoreApplication::translate(SheetTables::Context, row.keptChoices.at(int(kept)));
        *index = names.size() - 1;
        return names;
    }
    // A row that only shows names what the design keeps, even when no entry does.
    if (!row.appliesWhenShown && (value < 0 || value >= names.size())) {
        names << (unlisted.isEmpty()
                      ? QCoreApplication::translate("MainWindow", "未知（%1）").arg(QString())
                      : unlisted);
        *index = names.size() - 1;
    }
    return names;
}

QtProperty *QMyPropertySheet::makeValueRow(int type, const QString &text, const QString &key,
                                           const QVariant &value, bool applies)
{
    QtVariantProperty *row = m.values->addProperty(type, text);
    // Any stored int is shown as it is, so that showing corrects only what the rules limit.
    if (type == QMetaType::Int)
        m.values->setAttribute(row, QStringLiteral("minimum"), std::numeric_limits<int>::min());
    if (!key.isEmpty())
        keys->insert(row, key);
    const ShownRow shown(shownRow, row, !applies);
    row->setValue(value);
    return row;
}

QtProperty *QMyPropertySheet::makeRow(const SheetRow &row, const ValueOf &valueOf,
                                      QtProperty *parent)
{
    const QString key = row.keyed ? row.key : QString();
    QtProperty *made = nullptr;
    switch (row.kind) {
    case SheetRow::Int:
        made = makeValueRow(QMetaType::Int, caption(row), key, valueOf(row.key).toInt(),
                            row.appliesWhenShown);
        break;
    case SheetRow::Bool:
        made = makeValueRow(QMetaType::Bool, caption(row), key, valueOf(row.key).toInt() != 0,
                            row.appliesWhenShown);
        break;
    case SheetRow::Text:
        made = makeValueRow(QMetaType::QString, caption(row), key, valueOf(row.key).toString(),
                            row.appliesWhenShown);
        break;
    case SheetRow::Color:
        made = makeValueRow(QMetaType::QColor, caption(row), key, valueOf(row.key),
                            row.appliesWhenShown);
        break;
    case SheetRow::Choice:
    case SheetRow::FontChoice:
    case SheetRow::ResolutionChoice: {
        made = m.choices->addProperty(caption(row));
        enterKey(made, row);
        int index = 0;
        const QStringList names = choiceNames(row, valueOf, &index);
        if (row.kind == SheetRow::Choice && names.size() > row.choices.size())
            extraEntries.insert(
                row.key,
                {int(names.size()) - 1,
                 valueOf(row.key).toInt() + AttributeLimits::choiceOffset(row.key)});
        if (row.placedFirst)
            place(made, parent, false);
        {
            const ShownRow shown(shownRow, made, !row.appliesWhenShown);
            m.choices->setEnumNames(made, names);
            m.choices->setValue(made, index);
        }
        if (!row.placedFirst)
            place(made, parent, false);
        return made;
    }
    case SheetRow::Image:
        made = m.images->addProperty(caption(row));
        enterKey(made, row);
        m.images->setValue(made, SheetRules::imageText(valueOf(row.key).toInt()));
        break;
    case SheetRow::Group:
        made = m.values->addProperty(QtVariantPropertyManager::groupTypeId(), caption(row));
        for (const SheetRow &child : row.children)
            makeRow(child, valueOf, made);
        break;
    case SheetRow::ReadOnlyInt:
    case SheetRow::ReadOnlyText: {
        const bool isInt = row.kind == SheetRow::ReadOnlyInt;
        QtVariantProperty *ro =
            m.readOnly->addProperty(isInt ? QMetaType::Int : QMetaType::QString, caption(row));
        enterKey(ro, row);
        ro->setValue(valueOf(row.key));
        made = ro;
        break;
    }
    case SheetRow::ChartValues: {
        // One row per value of the series, captioned from 1; the group is the parent.
        int count = valueOf(QStringLiteral("ybexItemChartSerPointCount%1").arg(row.index)).toInt();
        count = qBound(0, count, 65535);
        // The series text cut once: a value found on its own is read from the text's start.
        const QStringList values = valueOf(QStringLiteral("ybexItemChartSerData%1").arg(row.index))
                                       .toString()
                                       .split(QLatin1Char('/'));
        for (int p = 0; p < count; ++p) {
            const QString valueKey = SheetRules::chartValueKeyOf(row.index, p);
            QtProperty *value = makeValueRow(QMetaType::Int, QString::number(p + 1), valueKey,
                                             values.value(p).toDouble(), row.appliesWhenShown);
            place(value, parent, false);
        }
        return nullptr;
    }
    }
    const bool collapse = row.kind == SheetRow::Group || row.kind == SheetRow::Color;
    place(made, parent, collapse);
    return made;
}

void QMyPropertySheet::place(QtProperty *row, QtProperty *parent, bool collapse)
{
    if (parent) {
        parent->addSubProperty(row);
        return;
    }
    QtBrowserItem *item = m.browser->addProperty(row);
    // Groups and colour channels start closed at the top level.
    if (collapse && item)
        m.browser->setExpanded(item, false);
}

void QMyPropertySheet::addEventsGroup(const EventHolder &holder)
{
    QList<EventInfo> events = holder.events();
    if (events.isEmpty())
        return;
    const LayoutOnce layout(m.browser);
    const int groupType = QtVariantPropertyManager::groupTypeId();
    QtProperty *group =
        m.values->addProperty(groupType, QCoreApplication::translate("MainWindow", "事件"));
    const int typeCount = events.first().typeNames().size();
    for (int t = 0; t < typeCount; ++t) {
        if (holder.status(t) != 0)
            continue;
        QtProperty *typeGroup = nullptr;
        for (int j = 0; j < events.size(); ++j) {
            EventInfo &event = events[j];
            // An event naming no function of the catalogue (a damaged file) shows nothing.
            if (event.type() != t || event.userType() < 0
                || event.userType() >= EventInfo::FunctionCount)
                continue;
            if (!typeGroup)
                typeGroup = m.values->addProperty(groupType, event.typeName());
            QtProperty *function = m.values->addProperty(groupType, event.funcCaption());
            const QStringList descriptors = event.paramDescriptors();
            for (int i = 0; i < descriptors.size(); ++i) {
                const QString key = descriptors.at(i) + QLatin1Char('_') + QString::number(j);
                function->addSubProperty(makeValueRow(QMetaType::QString, event.paramLabel(i), key,
                                                      event.param(i), true));
            }
            typeGroup->addSubProperty(function);
        }
        if (typeGroup)
            group->addSubProperty(typeGroup);
    }
    QtBrowserItem *item = m.browser->addProperty(group);
    m.browser->setBackgroundColor(item, QColor(255, 255, 174, 255));
    m.browser->setCurrentItem(item);
}

QString QMyPropertySheet::keyOf(QtProperty *row) const
{
    return keys->value(row);
}

QtProperty *QMyPropertySheet::rowOf(const QString &key) const
{
    return key.isEmpty() ? nullptr : keys->key(key, nullptr);
}

void QMyPropertySheet::setValue(const QString &key, const QVariant &value)
{
    if (QtProperty *row = rowOf(key))
        m.values->setValue(row, value);
}

void QMyPropertySheet::setReadOnlyValue(const QString &key, int value)
{
    if (QtProperty *row = rowOf(key))
        m.readOnly->setValue(row, value);
}

void QMyPropertySheet::setImageText(const QString &key, const QString &text)
{
    if (QtProperty *row = rowOf(key))
        m.images->setValue(row, text);
}

void QMyPropertySheet::removeRow(const QString &key)
{
    QtProperty *row = rowOf(key);
    if (!row)
        return;
    m.browser->removeProperty(row);
    keys->remove(row);
}

void QMyPropertySheet::followWidget(const QMyWidget &w)
{
    setValue(QStringLiteral("x"), w.getX());
    setValue(QStringLiteral("y"), w.getY());
    setValue(QStringLiteral("w"), w.getW());
    setValue(QStringLiteral("h"), w.getH());
    if (w.getType() == WidgetType::Slider) {
        setReadOnlyValue(QStringLiteral("ybexItemProgX"), w.getX() + w.getProgX());
        setReadOnlyValue(QStringLiteral("ybexItemProgY"), w.getY() + w.getProgY());
    }
    // The arc refreshes only its size rows; its offset rows keep the values of the build.
    if (w.getType() == WidgetType::Slider || w.getType() == WidgetType::Arc) {
        setReadOnlyValue(QStringLiteral("ybexItemProgW"), w.getProgW());
        setReadOnlyValue(QStringLiteral("ybexItemProgH"), w.getProgH());
    }
}
