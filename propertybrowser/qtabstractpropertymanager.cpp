#include "qtabstractpropertymanager.h"

#include "qtproperty.h"

class QtAbstractPropertyManagerPrivate
{
public:
    QtAbstractPropertyManager *q_ptr = nullptr;
    QSet<QtProperty *> properties;
};

namespace {
// A plain property: the base class's constructor is reserved to managers.
class QtPlainProperty : public QtProperty
{
public:
    explicit QtPlainProperty(QtAbstractPropertyManager *manager)
        : QtProperty(manager)
    { }
};
} // namespace

QtAbstractPropertyManager::QtAbstractPropertyManager(QObject *parent)
    : QObject(parent)
    , d_ptr(new QtAbstractPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
}

QtAbstractPropertyManager::~QtAbstractPropertyManager()
{
    clear();
    delete d_ptr;
}

void QtAbstractPropertyManager::clear() const
{
    // Parents go before their rows: a parent lets go of all its rows at once, while a row
    // that goes first searches its parent's list, which costs the square of a long list.
    QList<QtProperty *> order;
    QSet<QtProperty *> below;
    for (QtProperty *property : qAsConst(d_ptr->properties)) {
        for (QtProperty *sub : property->subProperties())
            below.insert(sub);
    }
    QSet<QtProperty *> placed;
    for (QtProperty *property : qAsConst(d_ptr->properties)) {
        if (!below.contains(property) && !placed.contains(property)) {
            placed.insert(property);
            order.append(property);
        }
    }
    for (int i = 0; i < order.size(); ++i) {
        for (QtProperty *sub : order.at(i)->subProperties()) {
            if (d_ptr->properties.contains(sub) && !placed.contains(sub)) {
                placed.insert(sub);
                order.append(sub);
            }
        }
    }
    // Rows in a cycle of parents, which no walk from the top reaches.
    for (QtProperty *property : qAsConst(d_ptr->properties)) {
        if (!placed.contains(property))
            order.append(property);
    }
    // Deleting one property may delete others (component rows): only the live ones go.
    for (QtProperty *property : qAsConst(order)) {
        if (d_ptr->properties.contains(property))
            delete property;
    }
    // Anything a deletion added meanwhile.
    while (!d_ptr->properties.isEmpty())
        delete *d_ptr->properties.cbegin();
}

bool QtAbstractPropertyManager::ownsProperty(const QtProperty *property) const
{
    return d_ptr->properties.contains(const_cast<QtProperty *>(property));
}

QtProperty *QtAbstractPropertyManager::addProperty(const QString &name)
{
    QtProperty *property = createProperty();
    if (!property)
        return nullptr;
    property->setPropertyName(name);
    d_ptr->properties.insert(property);
    initializeProperty(property);
    return property;
}

bool QtAbstractPropertyManager::hasValue(const QtProperty *) const
{
    return true;
}

QIcon QtAbstractPropertyManager::valueIcon(const QtProperty *) const
{
    return QIcon();
}

QString QtAbstractPropertyManager::valueText(const QtProperty *) const
{
    return QString();
}

void QtAbstractPropertyManager::uninitializeProperty(QtProperty *) { }

QtProperty *QtAbstractPropertyManager::createProperty()
{
    return new QtPlainProperty(this);
}

void QtAbstractPropertyManager::forgetProperty(QtProperty *property)
{
    d_ptr->properties.remove(property);
}
