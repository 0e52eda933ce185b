#include "qtproperty.h"

#include "qtabstractpropertymanager.h"

#include <QSet>

#include <utility>

class QtPropertyPrivate
{
public:
    QtProperty *q_ptr = nullptr;
    QSet<QtProperty *> parentItems;
    QList<QtProperty *> subItems;
    QString valueToolTip;
    QString statusTip;
    QString whatsThis;
    QString name;
    QtAbstractPropertyManager *manager = nullptr;
};

QtProperty::QtProperty(QtAbstractPropertyManager *manager)
    : d_ptr(new QtPropertyPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->manager = manager;
}

QtProperty::~QtProperty()
{
    // Slots reached from the signals below may delete other properties of the graph,
    // so every step works on the live sets, never on copies taken before.
    const QSet<QtProperty *> parents = d_ptr->parentItems;
    for (QtProperty *parent : parents) {
        if (d_ptr->parentItems.contains(parent))
            emit parent->propertyManager()->propertyRemoved(this, parent);
    }

    if (d_ptr->manager->ownsProperty(this)) {
        emit d_ptr->manager->propertyDestroyed(this);
        d_ptr->manager->uninitializeProperty(this);
        d_ptr->manager->forgetProperty(this);
    }

    // Nothing below emits: the rows are let go all at once.
    const QList<QtProperty *> subs = std::exchange(d_ptr->subItems, {});
    for (QtProperty *sub : subs)
        sub->d_ptr->parentItems.remove(this);

    while (!d_ptr->parentItems.isEmpty()) {
        QtProperty *parent = *d_ptr->parentItems.begin();
        d_ptr->parentItems.erase(d_ptr->parentItems.begin());
        parent->d_ptr->subItems.removeAll(this);
    }

    delete d_ptr;
}

QList<QtProperty *> QtProperty::subProperties() const
{
    return d_ptr->subItems;
}

QtAbstractPropertyManager *QtProperty::propertyManager() const
{
    return d_ptr->manager;
}

QString QtProperty::propertyName() const
{
    return d_ptr->name;
}

QString QtProperty::valueToolTip() const
{
    return d_ptr->valueToolTip;
}

QString QtProperty::statusTip() const
{
    return d_ptr->statusTip;
}

QString QtProperty::whatsThis() const
{
    return d_ptr->whatsThis;
}

void QtProperty::setPropertyName(const QString &text)
{
    if (d_ptr->name == text)
        return;
    d_ptr->name = text;
    propertyChanged();
}

void QtProperty::setValueToolTip(const QString &text)
{
    if (d_ptr->valueToolTip == text)
        return;
    d_ptr->valueToolTip = text;
    propertyChanged();
}

void QtProperty::setStatusTip(const QString &text)
{
    if (d_ptr->statusTip == text)
        return;
    d_ptr->statusTip = text;
    propertyChanged();
}

void QtProperty::setWhatsThis(const QString &text)
{
    if (d_ptr->whatsThis == text)
        return;
    d_ptr->whatsThis = text;
    propertyChanged();
}

bool QtProperty::hasValue() const
{
    return d_ptr->manager->hasValue(this);
}

QIcon QtProperty::valueIcon() const
{
    return d_ptr->manager->valueIcon(this);
}

QString QtProperty::valueText() const
{
    return d_ptr->manager->valueText(this);
}

void QtProperty::addSubProperty(QtProperty *property)
{
    QtProperty *after = d_ptr->subItems.isEmpty() ? nullptr : d_ptr->subItems.last();
    insertSubProperty(property, after);
}

void QtProperty::insertSubProperty(QtProperty *property, QtProperty *afterProperty)
{
    if (!property || property == this)
        return;

    // Refuse a cycle: this property must not lie below the new child.
    QList<QtProperty *> pending = property->subProperties();
    QSet<QtProperty *> visited;
    while (!pending.isEmpty()) {
        QtProperty *p = pending.takeFirst();
        if (p == this)
            return;
        if (visited.contains(p))
            continue;
        visited.insert(p);
        pending += p->subProperties();
    }

    if (property->d_ptr->parentItems.contains(this))
        return;
    // Rows are mostly added after the last one: no search for it then.
    const QList<QtProperty *> &subs = d_ptr->subItems;
    bool afterFound = afterProperty && !subs.isEmpty() && subs.last() == afterProperty;
    int position = afterFound ? subs.size() : 0;
    for (int i = 0; afterProperty && !afterFound && i < subs.size(); ++i) {
        if (subs.at(i) == afterProperty) {
            position = i + 1;
            afterFound = true;
        }
    }

    d_ptr->subItems.insert(position, property);
    property->d_ptr->parentItems.insert(this);
    emit d_ptr->manager->propertyInserted(property, this, afterFound ? afterProperty : nullptr);
}

void QtProperty::propertyChanged()
{
    emit d_ptr->manager->propertyChanged(this);
}
