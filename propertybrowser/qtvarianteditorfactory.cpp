#include "qtvarianteditorfactory.h"

#include "qtchareditorfactory.h"
#include "qtcheckboxfactory.h"
#include "qtcoloreditorfactory.h"
#include "qtcursoreditorfactory.h"
#include "qtdateeditfactory.h"
#include "qtdatetimeeditfactory.h"
#include "qtdoublespinboxfactory.h"
#include "qtenumeditorfactory.h"
#include "qtflagpropertymanager.h"
#include "qtfonteditorfactory.h"
#include "qtkeysequenceeditorfactory.h"
#include "qtlineeditfactory.h"
#include "qtlocalepropertymanager.h"
#include "qtpointfpropertymanager.h"
#include "qtpointpropertymanager.h"
#include "qtrectfpropertymanager.h"
#include "qtrectpropertymanager.h"
#include "qtsizefpropertymanager.h"
#include "qtsizepolicypropertymanager.h"
#include "qtsizepropertymanager.h"
#include "qtspinboxfactory.h"
#include "qttimeeditfactory.h"

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
    QtDateEditFactory *dateEditFactory = nullptr;
    QtTimeEditFactory *timeEditFactory = nullptr;
    QtDateTimeEditFactory *dateTimeEditFactory = nullptr;
    QtKeySequenceEditorFactory *keySequenceEditorFactory = nullptr;
    QtCharEditorFactory *charEditorFactory = nullptr;
    QtEnumEditorFactory *comboBoxFactory = nullptr;
    QtCursorEditorFactory *cursorEditorFactory = nullptr;
    QtColorEditorFactory *colorFactory = nullptr;
    QtFontEditorFactory *fontEditorFactory = nullptr;
    QMap<QtAbstractEditorFactoryBase *, int> factoryToType;
    QMap<int, QtAbstractEditorFactoryBase *> typeToFactory;
    // Per manager class, in search order: registers every such manager below a variant
    // manager (with its sub-managers) with the stock factories, or unregisters it.
    QList<std::function<void(QObject *root, bool on)>> registrations;

    template<class Factory> Factory *addFactory(int propertyType)
    {
        auto *factory = new Factory(q_ptr);
        factoryToType[factory] = propertyType;
        typeToFactory[propertyType] = factory;
        return factory;
    }

    template<class Manager> void registerManagers(const std::function<void(Manager *, bool)> &apply)
    {
        registrations.append([apply](QObject *root, bool on) {
            const QList<Manager *> managers = root->findChildren<Manager *>();
            for (Manager *manager : managers)
                apply(manager, on);
        });
    }

    // Managers of this class are served by the factory.
    template<class Manager, class Factory> void serveManagers(Factory *factory)
    {
        registerManagers<Manager>(
            [factory](Manager *manager, bool on) { serve(factory, manager, on); });
    }
};

QtVariantEditorFactory::QtVariantEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtVariantPropertyManager>(parent)
    , d_ptr(new QtVariantEditorFactoryPrivate)
{
    QtVariantEditorFactoryPrivate *d = d_ptr;
    d->q_ptr = this;

    // The stock factories in the order of their types.
    d->spinBoxFactory = d->addFactory<QtSpinBoxFactory>(QMetaType::Int);
    d->doubleSpinBoxFactory = d->addFactory<QtDoubleSpinBoxFactory>(QMetaType::Double);
    d->checkBoxFactory = d->addFactory<QtCheckBoxFactory>(QMetaType::Bool);
    d->lineEditFactory = d->addFactory<QtLineEditFactory>(QMetaType::QString);
    d->dateEditFactory = d->addFactory<QtDateEditFactory>(QMetaType::QDate);
    d->timeEditFactory = d->addFactory<QtTimeEditFactory>(QMetaType::QTime);
    d->dateTimeEditFactory = d->addFactory<QtDateTimeEditFactory>(QMetaType::QDateTime);
    d->keySequenceEditorFactory =
        d->addFactory<QtKeySequenceEditorFactory>(QMetaType::QKeySequence);
    d->charEditorFactory = d->addFactory<QtCharEditorFactory>(QMetaType::QChar);
    d->cursorEditorFactory = d->addFactory<QtCursorEditorFactory>(QMetaType::QCursor);
    d->colorFactory = d->addFactory<QtColorEditorFactory>(QMetaType::QColor);
    d->fontEditorFactory = d->addFactory<QtFontEditorFactory>(QMetaType::QFont);
    d->comboBoxFactory = d->addFactory<QtEnumEditorFactory>(QtVariantPropertyManager::enumTypeId());

    // The managers searched below a variant manager, in this order. The search takes the
    // whole tree, so the first rows already find the composites' sub-managers.
    d->serveManagers<QtIntPropertyManager>(d->spinBoxFactory);
    d->serveManagers<QtDoublePropertyManager>(d->doubleSpinBoxFactory);
    d->serveManagers<QtBoolPropertyManager>(d->checkBoxFactory);
    d->serveManagers<QtStringPropertyManager>(d->lineEditFactory);
    d->serveManagers<QtDatePropertyManager>(d->dateEditFactory);
    d->serveManagers<QtTimePropertyManager>(d->timeEditFactory);
    d->serveManagers<QtDateTimePropertyManager>(d->dateTimeEditFactory);
    d->serveManagers<QtKeySequencePropertyManager>(d->keySequenceEditorFactory);
    d->serveManagers<QtCharPropertyManager>(d->charEditorFactory);
    d->registerManagers<QtLocalePropertyManager>([d](QtLocalePropertyManager *manager, bool on) {
        serve(d->comboBoxFactory, manager->subEnumPropertyManager(), on);
    });
    d->registerManagers<QtPointPropertyManager>([d](QtPointPropertyManager *manager, bool on) {
        serve(d->spinBoxFactory, manager->subIntPropertyManager(), on);
    });
    d->registerManagers<QtPointFPropertyManager>([d](QtPointFPropertyManager *manager, bool on) {
        serve(d->doubleSpinBoxFactory, manager->subDoublePropertyManager(), on);
    });
    d->registerManagers<QtSizePropertyManager>([d](QtSizePropertyManager *manager, bool on) {
        serve(d->spinBoxFactory, manager->subIntPropertyManager(), on);
    });
    d->registerManagers<QtSizeFPropertyManager>([d](QtSizeFPropertyManager *manager, bool on) {
        serve(d->doubleSpinBoxFactory, manager->subDoublePropertyManager(), on);
    });
    d->registerManagers<QtRectPropertyManager>([d](QtRectPropertyManager *manager, bool on) {
        serve(d->spinBoxFactory, manager->subIntPropertyManager(), on);
    });
    d->registerManagers<QtRectFPropertyManager>([d](QtRectFPropertyManager *manager, bool on) {
        serve(d->doubleSpinBoxFactory, manager->subDoublePropertyManager(), on);
    });
    d->registerManagers<QtColorPropertyManager>([d](QtColorPropertyManager *manager, bool on) {
        serve(d->colorFactory, manager, on);
        serve(d->spinBoxFactory, manager->subIntPropertyManager(), on);
    });
    d->serveManagers<QtEnumPropertyManager>(d->comboBoxFactory);
    d->registerManagers<QtSizePolicyPropertyManager>(
        [d](QtSizePolicyPropertyManager *manager, bool on) {
            serve(d->spinBoxFactory, manager->subIntPropertyManager(), on);
            serve(d->comboBoxFactory, manager->subEnumPropertyManager(), on);
        });
    d->registerManagers<QtFontPropertyManager>([d](QtFontPropertyManager *manager, bool on) {
        serve(d->fontEditorFactory, manager, on);
        serve(d->spinBoxFactory, manager->subIntPropertyManager(), on);
        serve(d->comboBoxFactory, manager->subEnumPropertyManager(), on);
        serve(d->checkBoxFactory, manager->subBoolPropertyManager(), on);
    });
    d->serveManagers<QtCursorPropertyManager>(d->cursorEditorFactory);
    d->registerManagers<QtFlagPropertyManager>([d](QtFlagPropertyManager *manager, bool on) {
        serve(d->checkBoxFactory, manager->subBoolPropertyManager(), on);
    });
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
