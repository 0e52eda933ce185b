#include "qtdatepropertymanager.h"

#include "qtpropertybrowserutils.h"
#include "qtrangedvalues.h"

namespace {
struct DateData
{
    QDate val;
    QDate minVal = QDate(1752, 9, 14);
    QDate maxVal = QDate(9999, 12, 31);
};
} // namespace

class QtDatePropertyManagerPrivate : public QtRangedValues<QtDatePropertyManager, DateData>
{
public:
    using QtRangedValues::QtRangedValues;
    // Taken once: a later change of the default locale does not reach it.
    QString format = QtPropertyBrowserUtils::dateFormat();
};

QtDatePropertyManager::QtDatePropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtDatePropertyManagerPrivate(this))
{ }

QtDatePropertyManager::~QtDatePropertyManager()
{
    clear();
    delete d_ptr;
}

QDate QtDatePropertyManager::value(const QtProperty *property) const
{
    return d_ptr->getData(property, &DateData::val, QDate());
}

QDate QtDatePropertyManager::minimum(const QtProperty *property) const
{
    return d_ptr->getData(property, &DateData::minVal, QDate());
}

QDate QtDatePropertyManager::maximum(const QtProperty *property) const
{
    return d_ptr->getData(property, &DateData::maxVal, QDate());
}

QString QtDatePropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QString() : it.value().val.toString(d_ptr->format);
}

void QtDatePropertyManager::setValue(QtProperty *property, const QDate &val)
{
    d_ptr->setValue(property, val);
}

void QtDatePropertyManager::setMinimum(QtProperty *property, const QDate &minVal)
{
    d_ptr->setMinimum(property, minVal);
}

void QtDatePropertyManager::setMaximum(QtProperty *property, const QDate &maxVal)
{
    d_ptr->setMaximum(property, maxVal);
}

void QtDatePropertyManager::setRange(QtProperty *property, const QDate &minVal, const QDate &maxVal)
{
    d_ptr->setRange(property, minVal, maxVal);
}

void QtDatePropertyManager::initializeProperty(QtProperty *property)
{
    DateData data;
    data.val = QDate::currentDate();
    d_ptr->values[property] = data;
}

void QtDatePropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
