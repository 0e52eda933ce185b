#include "qtenumpropertymanager.h"

#include "qtproperty.h"

namespace {
struct EnumData
{
    int val = -1;
    QStringList enumNames;
    QMap<int, QIcon> enumIcons;
};
} // namespace

class QtEnumPropertyManagerPrivate
{
public:
    QtEnumPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, EnumData> values;
};

QtEnumPropertyManager::QtEnumPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtEnumPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
}

QtEnumPropertyManager::~QtEnumPropertyManager()
{
    clear();
    delete d_ptr;
}

int QtEnumPropertyManager::value(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? -1 : it.value().val;
}

QStringList QtEnumPropertyManager::enumNames(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QStringList() : it.value().enumNames;
}

QMap<int, QIcon> QtEnumPropertyManager::enumIcons(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QMap<int, QIcon>() : it.value().enumIcons;
}

QString QtEnumPropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    const EnumData &data = it.value();
    if (data.val < 0 || data.val >= data.enumNames.size())
        return QString();
    return data.enumNames.at(data.val);
}

QIcon QtEnumPropertyManager::valueIcon(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QIcon();
    return it.value().enumIcons.value(it.value().val);
}

void QtEnumPropertyManager::setValue(QtProperty *property, int val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end())
        return;
    EnumData &data = it.value();
    if (val >= data.enumNames.size())
        return;
    if (val < 0 && !data.enumNames.isEmpty())
        return;
    if (val < 0)
        val = -1;
    if (data.val == val)
        return;
    data.val = val;
    emit propertyChanged(property);
    if (ownsProperty(property))
        emit valueChanged(property, val);
}

void QtEnumPropertyManager::setEnumNames(QtProperty *property, const QStringList &enumNames)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it.value().enumNames == enumNames)
        return;
    it.value().enumNames = enumNames;
    it.value().val = enumNames.isEmpty() ? -1 : 0;
    const int val = it.value().val;
    const QStringList names = enumNames;
    emit enumNamesChanged(property, names);
    if (!ownsProperty(property))
        return;
    emit propertyChanged(property);
    if (ownsProperty(property))
        emit valueChanged(property, val);
}

void QtEnumPropertyManager::setEnumIcons(QtProperty *property, const QMap<int, QIcon> &enumIcons)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end())
        return;
    it.value().enumIcons = enumIcons;
    const QMap<int, QIcon> icons = enumIcons;
    emit enumIconsChanged(property, icons);
    if (ownsProperty(property))
        emit propertyChanged(property);
}

void QtEnumPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = EnumData();
}

void QtEnumPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
