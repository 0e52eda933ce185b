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
    // Deleting one property may delete others (component rows), so always take the
    // first of the live set.
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
