#include "qtflagpropertymanager.h"

#include "qtboolpropertymanager.h"
#include "qtproperty.h"

#include <QMap>

namespace {
struct FlagData
{
    int val = -1;
    QStringList flagNames;
    // Counts the namings, so that a naming interrupted by another one stops.
    int naming = 0;
};
} // namespace

class QtFlagPropertyManagerPrivate
{
public:
    QtFlagPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, FlagData> values;
    QtBoolPropertyManager *boolPropertyManager = nullptr;
    // The switch of each name in name order; a switch deleted from outside leaves a null
    // entry, so the others keep their bits.
    QMap<const QtProperty *, QList<QtProperty *>> propertyToFlags;
    QMap<const QtProperty *, QtProperty *> flagToProperty;

    // The first switch of the property still alive, or null.
    QtProperty *firstFlag(const QtProperty *property) const
    {
        const QList<QtProperty *> flags = propertyToFlags.value(property);
        for (QtProperty *flag : flags) {
            if (flag)
                return flag;
        }
        return nullptr;
    }

    void deleteFlag(const QtProperty *property, QtProperty *flag)
    {
        propertyToFlags[property].removeAll(flag);
        flagToProperty.remove(flag);
        delete flag;
    }
};

QtFlagPropertyManager::QtFlagPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtFlagPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->boolPropertyManager = new QtBoolPropertyManager(this);
    connect(d_ptr->boolPropertyManager, &QtBoolPropertyManager::valueChanged, this,
            &QtFlagPropertyManager::slotBoolChanged);
    connect(d_ptr->boolPropertyManager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &QtFlagPropertyManager::slotPropertyDestroyed);
}

QtFlagPropertyManager::~QtFlagPropertyManager()
{
    clear();
    delete d_ptr;
}

QtBoolPropertyManager *QtFlagPropertyManager::subBoolPropertyManager() const
{
    return d_ptr->boolPropertyManager;
}

int QtFlagPropertyManager::value(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0 : it.value().val;
}

QStringList QtFlagPropertyManager::flagNames(const QtProperty *property) const
{
    return d_ptr->values.value(property).flagNames;
}

QString QtFlagPropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    const FlagData &data = it.value();
    QStringList set;
    for (int i = 0; i < data.flagNames.size(); ++i) {
        if (data.val > 0 && (data.val & (1 << i)))
            set << data.flagNames.at(i);
    }
    return set.join(QLatin1Char('|'));
}

void QtFlagPropertyManager::setValue(QtProperty *property, int val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it.value().val == val)
        return;
    const qint64 bound = (qint64(1) << it.value().flagNames.size()) - 1;
    if (val < 0 || val > bound)
        return;
    it.value().val = val;

    // A slot reached from a switch may change the names or delete the row.
    for (int i = 0;; ++i) {
        if (!ownsProperty(property) || d_ptr->values.value(property).val != val)
            return;
        const QList<QtProperty *> flags = d_ptr->propertyToFlags.value(property);
        if (i >= flags.size())
            break;
        if (QtProperty *flag = flags.at(i))
            d_ptr->boolPropertyManager->setValue(flag, val & (1 << i));
    }
    emit propertyChanged(property);
    if (ownsProperty(property))
        emit valueChanged(property, val);
}

void QtFlagPropertyManager::setFlagNames(QtProperty *property, const QStringList &names)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it.value().flagNames == names)
        return;
    if (names.size() > maximumFlagCount)
        return;
    it.value().flagNames = names;
    it.value().val = 0;
    const int naming = ++it.value().naming;

    // Every deletion and insertion runs other slots, which may delete the row or name it
    // anew; then this naming stops and leaves theirs in place.
    const auto current = [this, property, naming]() {
        const auto found = d_ptr->values.constFind(property);
        return found != d_ptr->values.constEnd() && found.value().naming == naming;
    };
    while (QtProperty *flag = d_ptr->firstFlag(property)) {
        d_ptr->deleteFlag(property, flag);
        if (!current())
            return;
    }
    d_ptr->propertyToFlags[property].clear();
    for (const QString &name : names) {
        QtProperty *flag = d_ptr->boolPropertyManager->addProperty();
        flag->setPropertyName(name);
        d_ptr->propertyToFlags[property].append(flag);
        d_ptr->flagToProperty[flag] = property;
        property->addSubProperty(flag);
        if (!current())
            return;
    }
    emit flagNamesChanged(property, names);
    if (!current())
        return;
    emit propertyChanged(property);
    if (current())
        emit valueChanged(property, 0);
}

void QtFlagPropertyManager::slotBoolChanged(QtProperty *property, bool on)
{
    QtProperty *owner = d_ptr->flagToProperty.value(property, nullptr);
    if (!owner)
        return;
    const int i = d_ptr->propertyToFlags.value(owner).indexOf(property);
    if (i < 0)
        return;
    int val = value(owner);
    if (on)
        val |= (1 << i);
    else
        val &= ~(1 << i);
    setValue(owner, val);
}

void QtFlagPropertyManager::slotPropertyDestroyed(QtProperty *property)
{
    QtProperty *owner = d_ptr->flagToProperty.value(property, nullptr);
    if (!owner)
        return;
    QList<QtProperty *> &flags = d_ptr->propertyToFlags[owner];
    const int i = flags.indexOf(property);
    if (i >= 0)
        flags[i] = nullptr;
    d_ptr->flagToProperty.remove(property);
}

void QtFlagPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = FlagData();
    d_ptr->propertyToFlags[property] = QList<QtProperty *>();
}

void QtFlagPropertyManager::uninitializeProperty(QtProperty *property)
{
    // The record goes first, so that slots reached from the deletions find the row gone.
    d_ptr->values.remove(property);
    while (QtProperty *flag = d_ptr->firstFlag(property))
        d_ptr->deleteFlag(property, flag);
    d_ptr->propertyToFlags.remove(property);
}
