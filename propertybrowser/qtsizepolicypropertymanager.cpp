#include "qtsizepolicypropertymanager.h"

#include "qtcompoundvalues.h"
#include "qtenumpropertymanager.h"
#include "qtintpropertymanager.h"
#include "qtmetaenumprovider.h"
#include "qtproperty.h"

namespace {
enum Role { HorizontalPolicy, VerticalPolicy, HorizontalStretch, VerticalStretch, RoleCount };

struct SizePolicyData
{
    QSizePolicy val;
    int revision = 0;
};
} // namespace

class QtSizePolicyPropertyManagerPrivate
    : public QtCompoundValues<QtSizePolicyPropertyManager, SizePolicyData>
{
public:
    explicit QtSizePolicyPropertyManagerPrivate(QtSizePolicyPropertyManager *manager)
        : QtCompoundValues(manager, RoleCount)
    { }

    QtIntPropertyManager *intPropertyManager = nullptr;
    QtEnumPropertyManager *enumPropertyManager = nullptr;
};

QtSizePolicyPropertyManager::QtSizePolicyPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtSizePolicyPropertyManagerPrivate(this))
{
    d_ptr->intPropertyManager = new QtIntPropertyManager(this);
    connect(d_ptr->intPropertyManager, &QtIntPropertyManager::valueChanged, this,
            &QtSizePolicyPropertyManager::slotIntChanged);
    d_ptr->enumPropertyManager = new QtEnumPropertyManager(this);
    connect(d_ptr->enumPropertyManager, &QtEnumPropertyManager::valueChanged, this,
            &QtSizePolicyPropertyManager::slotEnumChanged);
    connect(d_ptr->intPropertyManager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &QtSizePolicyPropertyManager::slotPropertyDestroyed);
    connect(d_ptr->enumPropertyManager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &QtSizePolicyPropertyManager::slotPropertyDestroyed);
}

QtSizePolicyPropertyManager::~QtSizePolicyPropertyManager()
{
    clear();
    delete d_ptr;
}

QtIntPropertyManager *QtSizePolicyPropertyManager::subIntPropertyManager() const
{
    return d_ptr->intPropertyManager;
}

QtEnumPropertyManager *QtSizePolicyPropertyManager::subEnumPropertyManager() const
{
    return d_ptr->enumPropertyManager;
}

QSizePolicy QtSizePolicyPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property).val;
}

QString QtSizePolicyPropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    const QSizePolicy &policy = it.value().val;
    const QtMetaEnumProvider *provider = metaEnumProvider();
    const QStringList names = provider ? provider->policyEnumNames() : QStringList();
    const auto nameOf = [provider, &names](QSizePolicy::Policy p) {
        const int index = provider ? provider->sizePolicyToIndex(p) : -1;
        return index < 0 ? tr("<Invalid>") : names.at(index);
    };
    return tr("[%1, %2, %3, %4]")
        .arg(nameOf(policy.horizontalPolicy()), nameOf(policy.verticalPolicy()),
             QString::number(policy.horizontalStretch()),
             QString::number(policy.verticalStretch()));
}

void QtSizePolicyPropertyManager::setValue(QtProperty *property, const QSizePolicy &val)
{
    const auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it.value().val == val)
        return;
    const int revision = d_ptr->store(property, val);
    const QtMetaEnumProvider *provider = metaEnumProvider();
    if (!provider)
        return;

    // Slots reached from the rows may change the policy again or delete the row.
    const int numbers[RoleCount] = {provider->sizePolicyToIndex(val.horizontalPolicy()),
                                    provider->sizePolicyToIndex(val.verticalPolicy()),
                                    val.horizontalStretch(), val.verticalStretch()};
    for (int role = 0; role < RoleCount; ++role) {
        if (!d_ptr->current(property, revision))
            return;
        QtProperty *component = d_ptr->components.component(role, property);
        if (!component)
            continue;
        if (role == HorizontalPolicy || role == VerticalPolicy)
            d_ptr->enumPropertyManager->setValue(component, numbers[role]);
        else
            d_ptr->intPropertyManager->setValue(component, numbers[role]);
    }
    d_ptr->report(property, revision);
}

void QtSizePolicyPropertyManager::slotIntChanged(QtProperty *property, int value)
{
    int role = 0;
    QtProperty *owner = d_ptr->components.owner(property, &role);
    if (!owner || (role != HorizontalStretch && role != VerticalStretch))
        return;
    QSizePolicy policy = d_ptr->values.value(owner).val;
    if (role == HorizontalStretch)
        policy.setHorizontalStretch(value);
    else
        policy.setVerticalStretch(value);
    setValue(owner, policy);
}

void QtSizePolicyPropertyManager::slotEnumChanged(QtProperty *property, int value)
{
    int role = 0;
    QtProperty *owner = d_ptr->components.owner(property, &role);
    const QtMetaEnumProvider *provider = metaEnumProvider();
    QSizePolicy::Policy chosen = QSizePolicy::Fixed;
    if (!owner || (role != HorizontalPolicy && role != VerticalPolicy) || !provider
        || !provider->indexToSizePolicy(value, &chosen))
        return;
    QSizePolicy policy = d_ptr->values.value(owner).val;
    if (role == HorizontalPolicy)
        policy.setHorizontalPolicy(chosen);
    else
        policy.setVerticalPolicy(chosen);
    setValue(owner, policy);
}

void QtSizePolicyPropertyManager::slotPropertyDestroyed(QtProperty *property)
{
    d_ptr->components.forgetComponent(property);
}

void QtSizePolicyPropertyManager::initializeProperty(QtProperty *property)
{
    const QSizePolicy policy;
    d_ptr->values[property] = SizePolicyData();
    const QtMetaEnumProvider *provider = metaEnumProvider();
    const QStringList policyNames = provider ? provider->policyEnumNames() : QStringList();
    const QString names[RoleCount] = {tr("Horizontal Policy"), tr("Vertical Policy"),
                                      tr("Horizontal Stretch"), tr("Vertical Stretch")};
    for (int role = 0; role < RoleCount; ++role) {
        QtProperty *component = nullptr;
        if (role == HorizontalPolicy || role == VerticalPolicy) {
            component = d_ptr->enumPropertyManager->addProperty();
            component->setPropertyName(names[role]);
            d_ptr->enumPropertyManager->setEnumNames(component, policyNames);
            const QSizePolicy::Policy p =
                role == HorizontalPolicy ? policy.horizontalPolicy() : policy.verticalPolicy();
            d_ptr->enumPropertyManager->setValue(component,
                                                 provider ? provider->sizePolicyToIndex(p) : -1);
        } else {
            component = d_ptr->intPropertyManager->addProperty();
            component->setPropertyName(names[role]);
            d_ptr->intPropertyManager->setValue(
                component,
                role == HorizontalStretch ? policy.horizontalStretch() : policy.verticalStretch());
            d_ptr->intPropertyManager->setRange(component, 0, 0xff);
        }
        d_ptr->components.add(role, property, component);
    }
}

void QtSizePolicyPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->remove(property);
}
