#include "qtvarianteditorfactory.h"

#include "qtcheckboxfactory.h"
#include "qtcoloreditorfactory.h"
#include "qtdoublespinboxfactory.h"
#include "qtenumeditorfactory.h"
#include "qtlineeditfactory.h"
#include "qtspinboxfactory.h"

#include <QMap>
#include <functional>

namespace {
// Starts or stops serving one typed manager with one stock factory.
template<class Manager, class Factory> void serve(Factory *factory, Manager *manager, bool on)
{
    if (on)
        factory->addPropertyManager(manager);
    else
        factory->breakConnection(manager);
}
} // namespace

class QtVariantEditorFactoryPrivate
{
public:
    QtVariantEditorFactory *q_ptr = nullptr;
    QtSpinBoxFactory *spinBoxFactory = nullptr;
    QtDoubleSpinBoxFactory *doubleSpinBoxFactory = nullptr;
    QtCheckBoxFactory *checkBoxFactory = nullptr;
    QtLineEditFactory *lineEditFactory = nullptr;
    QtEnumEditorFactory *comboBoxFactory = nullptr;
    QtColorEditorFactory *colorFactory = nullptr;
    QMap<QtAbstractEditorFactoryBase *, int> factoryToType;
    QMap<int, QtAbstractEditorFactoryBase *> typeToFactory;
    // Per manager class, in search order: registers every such manager below a variant
    // manager (with its sub-managers) with the stock factories, or unregisters it.
    QList<std::function<void(QObject *root, bool on)>> registrations;

    void addFactory(int propertyType, QtAbstractEditorFactoryBase *factory)
    {
        factoryToType[factory] = propertyType;
        typeToFactory[propertyType] = factory;
    }

    template<class Manager> void registerManagers(const std::function<void(Manager *, bool)> &apply)
    {
        registrations.append([apply](QObject *root, bool on) {
            const QList<Manager *> managers = root->findChildren<Manager *>();
            for (Manager *manager : managers)
                apply(manager, on);
        });
    }
};

QtVariantEditorFactory::QtVariantEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtVariantPropertyManager>(parent)
    , d_ptr(new QtVariantEditorFactoryPrivate)
{
    QtVariantEditorFactoryPrivate *d = d_ptr;
    d->q_ptr = this;

    // The stock factories in the order of their types; a new type adds its factory here
    // and its managers below.
    d->spinBoxFactory = new QtSpinBoxFactory(this);
    d->addFactory(QMetaType::Int, d->spinBoxFactory);
    d->doubleSpinBoxFactory = new QtDoubleSpinBoxFactory(this);
    d->addFactory(QMetaType::Double, d->doubleSpinBoxFactory);
    d->checkBoxFactory = new QtCheckBoxFactory(this);
    d->addFactory(QMetaType::Bool, d->checkBoxFactory);
    d->lineEditFactory = new QtLineEditFactory(this);
    d->addFactory(QMetaType::QString, d->lineEditFactory);
    d->colorFactory = new QtColorEditorFactory(this);
    d->addFactory(QMetaType::QColor, d->colorFactory);
    d->comboBoxFactory = new QtEnumEditorFactory(this);
    d->addFactory(QtVariantPropertyManager::enumTypeId(), d->comboBoxFactory);

    d->registerManagers<QtIntPropertyManager>(
        [d](QtIntPropertyManager *manager, bool on) { serve(d->spinBoxFactory, manager, on); });
    d->registerManagers<QtDoublePropertyManager>([d](QtDoublePropertyManager *manager, bool on) {
        serve(d->doubleSpinBoxFactory, manager, on);
    });
    d->registerManagers<QtBoolPropertyManager>(
        [d](QtBoolPropertyManager *manager, bool on) { serve(d->checkBoxFactory, manager, on); });
    d->registerManagers<QtStringPropertyManager>(
        [d](QtStringPropertyManager *manager, bool on) { serve(d->lineEditFactory, manager, on); });
    d->registerManagers<QtColorPropertyManager>([d](QtColorPropertyManager *manager, bool on) {
        serve(d->colorFactory, manager, on);
        serve(d->spinBoxFactory, manager->subIntPropertyManager(), on);
    });
    d->registerManagers<QtEnumPropertyManager>(
        [d](QtEnumPropertyManager *manager, bool on) { serve(d->comboBoxFactory, manager, on); });
}

QtVariantEditorFactory::~QtVariantEditorFactory()
{
    delete d_ptr;
}

void QtVariantEditorFactory::connectPropertyManager(QtVariantPropertyManager *manager)
{
    for (const auto &registration : qAsConst(d_ptr->registrations))
        registration(manager, true);
}

void QtVariantEditorFactory::disconnectPropertyManager(QtVariantPropertyManager *manager)
{
    for (const auto &registration : qAsConst(d_ptr->registrations))
        registration(manager, false);
}

QWidget *QtVariantEditorFactory::createEditor(QtVariantPropertyManager *manager,
                                              QtProperty *property, QWidget *parent)
{
    QtAbstractEditorFactoryBase *factory =
        d_ptr->typeToFactory.value(manager->propertyType(property), nullptr);
    if (!factory)
        return nullptr;
    return factory->createEditor(QtVariantPropertyManager::wrappedProperty(property), parent);
}
