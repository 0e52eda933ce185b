#include "qtcolorpropertymanager.h"

#include "qtintpropertymanager.h"
#include "qtproperty.h"
#include "qtpropertybrowserutils.h"
#include "qtuniformcompoundvalues.h"

namespace {
enum Component { Red, Green, Blue, Alpha, ComponentCount };

struct ColorData
{
    QColor val;
    int revision = 0;
};
} // namespace

class QtColorPropertyManagerPrivate
    : public QtUniformCompoundValues<QtColorPropertyManager, QtIntPropertyManager, ColorData>
{
public:
    explicit QtColorPropertyManagerPrivate(QtColorPropertyManager *manager)
        : QtUniformCompoundValues(manager, ComponentCount)
    { }
};

QtColorPropertyManager::QtColorPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtColorPropertyManagerPrivate(this))
{
    connect(d_ptr->subManager, &QtIntPropertyManager::valueChanged, this,
            &QtColorPropertyManager::slotIntChanged);
    connect(d_ptr->subManager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &QtColorPropertyManager::slotPropertyDestroyed);
}

QtColorPropertyManager::~QtColorPropertyManager()
{
    clear();
    delete d_ptr;
}

QtIntPropertyManager *QtColorPropertyManager::subIntPropertyManager() const
{
    return d_ptr->subManager;
}

QColor QtColorPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->value(property);
}

QString QtColorPropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    return QtPropertyBrowserUtils::colorValueText(it.value().val);
}

QIcon QtColorPropertyManager::valueIcon(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QIcon();
    return QtPropertyBrowserUtils::brushValueIcon(QBrush(it.value().val));
}

void QtColorPropertyManager::setValue(QtProperty *property, const QColor &val)
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it.value().val == val)
        return;
    const int revision = d_ptr->store(property, val);
    if (d_ptr->pushDown(property, revision, {val.red(), val.green(), val.blue(), val.alpha()}))
        d_ptr->report(property, revision);
}

void QtColorPropertyManager::slotIntChanged(QtProperty *property, int value)
{
    int c = 0;
    QtProperty *owner = d_ptr->components.owner(property, &c);
    if (!owner)
        return;
    QColor color = d_ptr->value(owner);
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
    d_ptr->values[property] = ColorData();
    const int components[ComponentCount] = {color.red(), color.green(), color.blue(),
                                            color.alpha()};
    d_ptr->addComponents(property, {tr("Red"), tr("Green"), tr("Blue"), tr("Alpha")},
                         [this, &components](int c, QtProperty *component) {
                             d_ptr->subManager->setValue(component, components[c]);
                             d_ptr->subManager->setRange(component, 0, 255);
                         });
}

void QtColorPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->remove(property);
}
