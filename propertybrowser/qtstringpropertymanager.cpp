#include "qtstringpropertymanager.h"

#include "qtproperty.h"

#include <QMap>

namespace {
struct StringData
{
    QString val;
    QRegExp regExp = QRegExp(QStringLiteral("*"), Qt::CaseSensitive, QRegExp::Wildcard);
};
} // namespace

class QtStringPropertyManagerPrivate
{
public:
    QtStringPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, StringData> values;
};

QtStringPropertyManager::QtStringPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtStringPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
}

QtStringPropertyManager::~QtStringPropertyManager()
{
    clear();
    delete d_ptr;
}

QString QtStringPropertyManager::value(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QString() : it.value().val;
}

QRegExp QtStringPropertyManager::regExp(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QRegExp() : it.value().regExp;
}

QString QtStringPropertyManager::valueText(const QtProperty *property) const
{
    return value(property);
}

void QtStringPropertyManager::setValue(QtProperty *property, const QString &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it.value().val == val)
        return;
    const QRegExp &rx = it.value().regExp;
    if (rx.isValid() && !rx.exactMatch(val))
        return;
    it.value().val = val;
    const QString stored = val;
    emit propertyChanged(property);
    if (ownsProperty(property))
        emit valueChanged(property, stored);
}

void QtStringPropertyManager::setRegExp(QtProperty *property, const QRegExp &regExp)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it.value().regExp == regExp)
        return;
    it.value().regExp = regExp;
    emit regExpChanged(property, regExp);
}

void QtStringPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = StringData();
}

void QtStringPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
