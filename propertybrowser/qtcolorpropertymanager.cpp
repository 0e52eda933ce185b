#include "qtcolorpropertymanager.h"

#include "qtintpropertymanager.h"
#include "qtproperty.h"
#include "qtpropertybrowserutils.h"
#include "qtsubpropertymaps.h"

#include <QMap>

namespace {
enum Component { Red, Green, Blue, Alpha, ComponentCount };
}

class QtColorPropertyManagerPrivate
{
public:
    QtColorPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, QColor> values;
    QtIntPropertyManager *intPropertyManager = nullptr;
    QtSubPropertyMaps components {ComponentCount};
};

QtColorPropertyManager::QtColorPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtColorPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->intPropertyManager = new QtIntPropertyManager(this);
    connect(d_ptr->intPropertyManager, &QtIntPropertyManager::valueChanged, this,
            &QtColorPropertyManager::slotIntChanged);
    connect(d_ptr->intPropertyManager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &QtColorPropertyManager::slotPropertyDestroyed);
}

QtColorPropertyManager::~QtColorPropertyManager()
{
    clear();
    delete d_ptr;
}

QtIntPropertyManager *QtColorPropertyManager::subIntPropertyManager() const
{
    return d_ptr->intPropertyManager;
}

QColor QtColorPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property, QColor());
}

QString QtColorPropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    return QtPropertyBrowserUtils::colorValueText(it.value());
}

QIcon QtColorPropertyManager::valueIcon(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QIcon();
    return QtPropertyBrowserUtils::brushValueIcon(QBrush(it.value()));
}

void QtColorPropertyManager::setValue(QtProperty *property, const QColor &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it.value() == val)
        return;
    const QColor color = val;
    it.value() = color;

    const int components[ComponentCount] = {color.red(), color.green(), color.blue(),
                                            color.alpha()};
    for (int c = 0; c < ComponentCount; ++c) {
        if (!ownsProperty(property))
            return;
        if (QtProperty *sub = d_ptr->components.component(c, property))
            d_ptr->intPropertyManager->setValue(sub, components[c]);
    }
    if (!ownsProperty(property))
        return;
    emit propertyChanged(property);
    if (ownsProperty(property))
        emit valueChanged(property, color);
}

void QtColorPropertyManager::slotIntChanged(QtProperty *property, int value)
{
    int c = 0;
    QtProperty *owner = d_ptr->components.owner(property, &c);
    if (!owner)
        return;
    QColor color = d_ptr->values.value(owner);
    switch (c) {
    case Red:
        color.setRed(value);
        break;
    case Green:
        color.setGreen(value);
        break;
    case Blue:
        color.setBlue(value);
        break;
    default:
        color.setAlpha(value);
        break;
    }
    setValue(owner, color);
}

void QtColorPropertyManager::slotPropertyDestroyed(QtProperty *property)
{
    d_ptr->components.forgetComponent(property);
}

void QtColorPropertyManager::initializeProperty(QtProperty *property)
{
    const QColor color;
    d_ptr->values[property] = color;
    const QString names[ComponentCount] = {tr("Red"), tr("Green"), tr("Blue"), tr("Alpha")};
    const int components[ComponentCount] = {color.red(), color.green(), color.blue(),
                                            color.alpha()};
    for (int c = 0; c < ComponentCount; ++c) {
        QtProperty *sub = d_ptr->intPropertyManager->addProperty();
        sub->setPropertyName(names[c]);
        d_ptr->intPropertyManager->setValue(sub, components[c]);
        d_ptr->intPropertyManager->setRange(sub, 0, 255);
        d_ptr->components.add(c, property, sub);
    }
}

void QtColorPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->components.removeProperty(property);
    d_ptr->values.remove(property);
}
