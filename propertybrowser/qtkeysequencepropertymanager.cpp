#include "qtkeysequencepropertymanager.h"

#include "qtsimplevalues.h"

class QtKeySequencePropertyManagerPrivate
    : public QtSimpleValues<QtKeySequencePropertyManager, QKeySequence>
{
public:
    using QtSimpleValues::QtSimpleValues;
};

QtKeySequencePropertyManager::QtKeySequencePropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtKeySequencePropertyManagerPrivate(this))
{ }

QtKeySequencePropertyManager::~QtKeySequencePropertyManager()
{
    clear();
    delete d_ptr;
}

QKeySequence QtKeySequencePropertyManager::value(const QtProperty *property) const
{
    return d_ptr->value(property);
}

void QtKeySequencePropertyManager::setValue(QtProperty *property, const QKeySequence &val)
{
    d_ptr->setValue(property, val);
}

QString QtKeySequencePropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QString()
                                          : it.value().toString(QKeySequence::NativeText);
}

void QtKeySequencePropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QKeySequence();
}

void QtKeySequencePropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
