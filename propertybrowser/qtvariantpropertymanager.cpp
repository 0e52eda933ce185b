#include "qtvariantpropertymanager.h"

#include "qtboolpropertymanager.h"
#include "qtcharpropertymanager.h"
#include "qtcolorpropertymanager.h"
#include "qtcursorpropertymanager.h"
#include "qtdatepropertymanager.h"
#include "qtdatetimepropertymanager.h"
#include "qtdoublepropertymanager.h"
#include "qtenumpropertymanager.h"
#include "qtflagpropertymanager.h"
#include "qtfontpropertymanager.h"
#include "qtgrouppropertymanager.h"
#include "qtintpropertymanager.h"
#include "qtkeysequencepropertymanager.h"
#include "qtlocalepropertymanager.h"
#include "qtpointfpropertymanager.h"
#include "qtpointpropertymanager.h"
#include "qtrectfpropertymanager.h"
#include "qtrectpropertymanager.h"
#include "qtsizefpropertymanager.h"
#include "qtsizepolicypropertymanager.h"
#include "qtsizepropertymanager.h"
#include "qtstringpropertymanager.h"
#include "qttimepropertymanager.h"

#include <QColor>
#include <QIcon>
#include <QMap>
#include <QMetaType>
#include <functional>
#include <limits>
#include <type_traits>

namespace {
// Empty marker types that give the rows without a toolkit type their type ids.
struct QtEnumPropertyType
{
};
struct QtFlagPropertyType
{
};
struct QtGroupPropertyType
{
};
} // namespace

Q_DECLARE_METATYPE(QtEnumPropertyType)
Q_DECLARE_METATYPE(QtFlagPropertyType)
Q_DECLARE_METATYPE(QtGroupPropertyType)

namespace {
using WrappedMap = QMap<const QtProperty *, QtProperty *>;

// Wrapper -> internal property, shared by every variant manager of the process.
WrappedMap &wrappedProperties()
{
    static WrappedMap map;
    return map;
}

// A whole number within [minimum, maximum]; numbers outside are refused, never wrapped.
bool toBoundedInteger(const QVariant &value, qint64 minimum, qint64 maximum, qint64 *result)
{
    qint64 number = 0;
    switch (value.userType()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        // Tested before rounding so that the conversion stays defined (NaN fails too).
        if (!(d > double(minimum) - 1.0 && d < double(maximum) + 1.0))
            return false;
        number = qRound64(d);
        break;
    }
    case QMetaType::ULongLong:
    case QMetaType::ULong:
    case QMetaType::UInt: {
        const qulonglong u = value.toULongLong();
        if (u > qulonglong(maximum))
            return false;
        number = qint64(u);
        break;
    }
    default: {
        QVariant copy(value);
        if (!copy.convert(QMetaType::LongLong))
            return false;
        number = copy.toLongLong();
        break;
    }
    }
    if (number < minimum || number > maximum)
        return false;
    *result = number;
    return true;
}

// Converts a value to T; a value that the toolkit cannot turn into T is refused.
template<class T> bool convertValue(const QVariant &value, T *result)
{
    const int type = qMetaTypeId<T>();
    if (value.userType() == type) {
        *result = value.value<T>();
        return true;
    }
    QVariant copy(value);
    if (!copy.convert(type))
        return false;
    *result = copy.value<T>();
    return true;
}

template<> bool convertValue<int>(const QVariant &value, int *result)
{
    if (value.userType() == QMetaType::Int) {
        *result = value.toInt();
        return true;
    }
    qint64 number = 0;
    if (!toBoundedInteger(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                          &number))
        return false;
    *result = int(number);
    return true;
}

template<> bool convertValue<QChar>(const QVariant &value, QChar *result)
{
    if (value.userType() == QMetaType::QChar) {
        *result = value.toChar();
        return true;
    }
    qint64 number = 0;
    if (!toBoundedInteger(value, 0, 0xFFFF, &number))
        return false;
    *result = QChar(ushort(number));
    return true;
}

template<class Manager> bool isManager(QtAbstractPropertyManager *manager)
{
    return qobject_cast<Manager *>(manager) != nullptr;
}

template<class Manager, class T>
QVariant readValue(QtAbstractPropertyManager *manager, const QtProperty *property)
{
    return QVariant::fromValue<T>(static_cast<Manager *>(manager)->value(property));
}

template<class Manager, class T>
void writeValue(QtAbstractPropertyManager *manager, QtProperty *property, const QVariant &value)
{
    T converted;
    if (convertValue(value, &converted))
        static_cast<Manager *>(manager)->setValue(property, converted);
}
} // namespace

// One named attribute of a type: its value type and how the typed manager reads and sets it.
struct QtVariantAttribute
{
    int type = 0;
    std::function<QVariant(QtAbstractPropertyManager *, const QtProperty *)> read;
    std::function<void(QtAbstractPropertyManager *, QtProperty *, const QVariant &)> write;
};

namespace {
template<class Manager, class T, class Arg>
QtVariantAttribute attribute(T (Manager::*getter)(const QtProperty *) const,
                             void (Manager::*setter)(QtProperty *, Arg))
{
    static_assert(std::is_same<std::decay_t<Arg>, T>::value, "getter and setter disagree");
    QtVariantAttribute result;
    result.type = qMetaTypeId<T>();
    result.read = [getter](QtAbstractPropertyManager *manager, const QtProperty *property) {
        return QVariant::fromValue<T>((static_cast<Manager *>(manager)->*getter)(property));
    };
    result.write = [setter](QtAbstractPropertyManager *manager, QtProperty *property,
                            const QVariant &value) {
        T converted;
        if (convertValue(value, &converted))
            (static_cast<Manager *>(manager)->*setter)(property, converted);
    };
    return result;
}
} // namespace

// One supported property type: its typed manager, how that manager's values and attributes
// are read and written as QVariant, and which of its signals are routed back to the rows.
struct QtVariantTypeRow
{
    int propertyType;
    int valueType;
    // Whether internal sub-properties of this manager class are shown as rows of their own
    // (the component rows of composite types).
    bool wrapsComponents;
    std::function<QtAbstractPropertyManager *(QObject *parent)> create;
    std::function<bool(QtAbstractPropertyManager *)> handles;
    std::function<QVariant(QtAbstractPropertyManager *, const QtProperty *)> read;
    std::function<void(QtAbstractPropertyManager *, QtProperty *, const QVariant &)> write;
    std::function<void(QtVariantPropertyManagerPrivate *, QtAbstractPropertyManager *)> route;
    QMap<QString, QtVariantAttribute> attributes;
};

class QtVariantPropertyManagerPrivate
{
public:
    QtVariantPropertyManager *q_ptr = nullptr;
    bool creatingProperty = false;
    bool creatingSubProperties = false;
    bool destroyingSubProperties = false;
    int propertyType = 0;

    QList<QtVariantTypeRow> rows;
    QMap<int, QtAbstractPropertyManager *> typeToPropertyManager;
    QMap<int, QMap<QString, int>> typeToAttributeToAttributeType;
    QMap<const QtProperty *, QPair<QtVariantProperty *, int>> propertyToType;
    QMap<int, int> typeToValueType;
    QMap<const QtProperty *, QtVariantProperty *> internalToProperty;

    static const QString constraintAttribute;
    static const QString singleStepAttribute;
    static const QString decimalsAttribute;
    static const QString enumIconsAttribute;
    static const QString enumNamesAttribute;
    static const QString flagNamesAttribute;
    static const QString maximumAttribute;
    static const QString minimumAttribute;
    static const QString regExpAttribute;

    static QList<QtVariantTypeRow> typeTable();
    const QtVariantTypeRow *rowOfManager(QtAbstractPropertyManager *manager) const;

    QtVariantProperty *createSubProperty(QtVariantProperty *parent, QtVariantProperty *after,
                                         QtProperty *internal);
    void valueChanged(QtProperty *internal);
    void reportAttributes(QtProperty *internal, const QStringList &names);
    void slotPropertyInserted(QtProperty *internal, QtProperty *parent, QtProperty *after);
    void slotPropertyRemoved(QtProperty *internal, QtProperty *parent);

    // Reports the row's value whenever the manager reports a value.
    template<class Manager> void routeValue(Manager *manager)
    {
        QObject::connect(manager, &Manager::valueChanged, q_ptr,
                         [this](QtProperty *property) { valueChanged(property); });
    }

    // Reports the named attributes of the row whenever the manager emits the signal.
    template<class Manager, class... Args>
    void routeAttributes(Manager *manager, void (Manager::*signal)(QtProperty *, Args...),
                         const QStringList &names)
    {
        QObject::connect(manager, signal, q_ptr, [this, names](QtProperty *property) {
            reportAttributes(property, names);
        });
    }

    template<class Manager> void routeRange(Manager *manager)
    {
        routeAttributes(manager, &Manager::rangeChanged, {minimumAttribute, maximumAttribute});
    }

    void routeEnumNames(QtEnumPropertyManager *manager)
    {
        routeAttributes(manager, &QtEnumPropertyManager::enumNamesChanged, {enumNamesAttribute});
    }

    void routeStructure(QtAbstractPropertyManager *manager)
    {
        QObject::connect(manager, &QtAbstractPropertyManager::propertyInserted, q_ptr,
                         [this](QtProperty *property, QtProperty *parent, QtProperty *after) {
                             slotPropertyInserted(property, parent, after);
                         });
        QObject::connect(manager, &QtAbstractPropertyManager::propertyRemoved, q_ptr,
                         [this](QtProperty *property, QtProperty *parent) {
                             slotPropertyRemoved(property, parent);
                         });
    }
};

const QString QtVariantPropertyManagerPrivate::constraintAttribute = QStringLiteral("constraint");
const QString QtVariantPropertyManagerPrivate::singleStepAttribute = QStringLiteral("singleStep");
const QString QtVariantPropertyManagerPrivate::decimalsAttribute = QStringLiteral("decimals");
const QString QtVariantPropertyManagerPrivate::enumIconsAttribute = QStringLiteral("enumIcons");
const QString QtVariantPropertyManagerPrivate::enumNamesAttribute = QStringLiteral("enumNames");
const QString QtVariantPropertyManagerPrivate::flagNamesAttribute = QStringLiteral("flagNames");
const QString QtVariantPropertyManagerPrivate::maximumAttribute = QStringLiteral("maximum");
const QString QtVariantPropertyManagerPrivate::minimumAttribute = QStringLiteral("minimum");
const QString QtVariantPropertyManagerPrivate::regExpAttribute = QStringLiteral("regExp");

namespace {
using Private = QtVariantPropertyManagerPrivate;

// A row whose typed manager holds a plain value of type T.
template<class Manager, class T>
QtVariantTypeRow plainRow(int propertyType, int valueType, bool wrapsComponents)
{
    QtVariantTypeRow row;
    row.propertyType = propertyType;
    row.valueType = valueType;
    row.wrapsComponents = wrapsComponents;
    row.create = [](QObject *parent) { return new Manager(parent); };
    row.handles = &isManager<Manager>;
    row.read = &readValue<Manager, T>;
    row.write = &writeValue<Manager, T>;
    row.route = [](Private *d, QtAbstractPropertyManager *manager) {
        d->routeValue(static_cast<Manager *>(manager));
    };
    return row;
}

// Adds routes of the typed manager's other signals to those of the row.
template<class Manager>
void addRoute(QtVariantTypeRow *row, const std::function<void(Private *, Manager *)> &route)
{
    const auto previous = row->route;
    row->route = [previous, route](Private *d, QtAbstractPropertyManager *manager) {
        previous(d, manager);
        route(d, static_cast<Manager *>(manager));
    };
}

// A composite whose component rows are shown beside it; routeComponents routes the signals
// of its sub-managers that its rows report.
template<class Manager, class T>
QtVariantTypeRow compoundRow(int type,
                             const std::function<void(Private *, Manager *)> &routeComponents)
{
    QtVariantTypeRow row = plainRow<Manager, T>(type, type, false);
    addRoute<Manager>(&row, [routeComponents](Private *d, Manager *manager) {
        d->routeStructure(manager);
        routeComponents(d, manager);
    });
    return row;
}

template<class Manager> void addRange(QtVariantTypeRow *row)
{
    row->attributes[Private::minimumAttribute] = attribute(&Manager::minimum, &Manager::setMinimum);
    row->attributes[Private::maximumAttribute] = attribute(&Manager::maximum, &Manager::setMaximum);
    addRoute<Manager>(row, [](Private *d, Manager *manager) { d->routeRange(manager); });
}

template<class Manager> void addDecimals(QtVariantTypeRow *row)
{
    row->attributes[Private::decimalsAttribute] =
        attribute(&Manager::decimals, &Manager::setDecimals);
    addRoute<Manager>(row, [](Private *d, Manager *manager) {
        d->routeAttributes(manager, &Manager::decimalsChanged, {Private::decimalsAttribute});
    });
}

template<class Manager> void addConstraint(QtVariantTypeRow *row)
{
    row->attributes[Private::constraintAttribute] =
        attribute(&Manager::constraint, &Manager::setConstraint);
    addRoute<Manager>(row, [](Private *d, Manager *manager) {
        d->routeAttributes(manager, &Manager::constraintChanged, {Private::constraintAttribute});
    });
}

// A number with a range and a step, the ints and doubles, whose components are shown too.
template<class Manager, class T> QtVariantTypeRow numberRow(int type)
{
    QtVariantTypeRow row = plainRow<Manager, T>(type, type, true);
    row.attributes[Private::minimumAttribute] = attribute(&Manager::minimum, &Manager::setMinimum);
    row.attributes[Private::maximumAttribute] = attribute(&Manager::maximum, &Manager::setMaximum);
    row.attributes[Private::singleStepAttribute] =
        attribute(&Manager::singleStep, &Manager::setSingleStep);
    addRoute<Manager>(&row, [](Private *d, Manager *manager) {
        d->routeRange(manager);
        d->routeAttributes(manager, &Manager::singleStepChanged, {Private::singleStepAttribute});
    });
    return row;
}
} // namespace

// The supported types in the order their managers are made. A new type adds a row here.
QList<QtVariantTypeRow> QtVariantPropertyManagerPrivate::typeTable()
{
    QList<QtVariantTypeRow> table;
    table << numberRow<QtIntPropertyManager, int>(QMetaType::Int);

    QtVariantTypeRow doubles = numberRow<QtDoublePropertyManager, double>(QMetaType::Double);
    addDecimals<QtDoublePropertyManager>(&doubles);
    table << doubles;

    table << plainRow<QtBoolPropertyManager, bool>(QMetaType::Bool, QMetaType::Bool, true);

    QtVariantTypeRow strings =
        plainRow<QtStringPropertyManager, QString>(QMetaType::QString, QMetaType::QString, false);
    strings.attributes[regExpAttribute] =
        attribute(&QtStringPropertyManager::regExp, &QtStringPropertyManager::setRegExp);
    addRoute<QtStringPropertyManager>(&strings, [](Private *d, QtStringPropertyManager *manager) {
        d->routeAttributes(manager, &QtStringPropertyManager::regExpChanged, {regExpAttribute});
    });
    table << strings;

    QtVariantTypeRow dates =
        plainRow<QtDatePropertyManager, QDate>(QMetaType::QDate, QMetaType::QDate, false);
    addRange<QtDatePropertyManager>(&dates);
    table << dates;

    table << plainRow<QtTimePropertyManager, QTime>(QMetaType::QTime, QMetaType::QTime, false);
    table << plainRow<QtDateTimePropertyManager, QDateTime>(QMetaType::QDateTime,
                                                            QMetaType::QDateTime, false);
    table << plainRow<QtKeySequencePropertyManager, QKeySequence>(QMetaType::QKeySequence,
                                                                  QMetaType::QKeySequence, false);
    table << plainRow<QtCharPropertyManager, QChar>(QMetaType::QChar, QMetaType::QChar, false);

    // The lists of a locale's rows are fixed: only their values are reported.
    table << compoundRow<QtLocalePropertyManager, QLocale>(
        QMetaType::QLocale, [](Private *d, QtLocalePropertyManager *manager) {
            d->routeValue(manager->subEnumPropertyManager());
        });

    table << compoundRow<QtPointPropertyManager, QPoint>(
        QMetaType::QPoint, [](Private *d, QtPointPropertyManager *manager) {
            d->routeValue(manager->subIntPropertyManager());
        });
    QtVariantTypeRow pointsF = compoundRow<QtPointFPropertyManager, QPointF>(
        QMetaType::QPointF, [](Private *d, QtPointFPropertyManager *manager) {
            d->routeValue(manager->subDoublePropertyManager());
        });
    addDecimals<QtPointFPropertyManager>(&pointsF);
    table << pointsF;

    QtVariantTypeRow sizes = compoundRow<QtSizePropertyManager, QSize>(
        QMetaType::QSize, [](Private *d, QtSizePropertyManager *manager) {
            d->routeValue(manager->subIntPropertyManager());
            d->routeRange(manager->subIntPropertyManager());
        });
    addRange<QtSizePropertyManager>(&sizes);
    table << sizes;
    QtVariantTypeRow sizesF = compoundRow<QtSizeFPropertyManager, QSizeF>(
        QMetaType::QSizeF, [](Private *d, QtSizeFPropertyManager *manager) {
            d->routeValue(manager->subDoublePropertyManager());
            d->routeRange(manager->subDoublePropertyManager());
        });
    addRange<QtSizeFPropertyManager>(&sizesF);
    addDecimals<QtSizeFPropertyManager>(&sizesF);
    table << sizesF;

    QtVariantTypeRow rects = compoundRow<QtRectPropertyManager, QRect>(
        QMetaType::QRect, [](Private *d, QtRectPropertyManager *manager) {
            d->routeValue(manager->subIntPropertyManager());
            d->routeRange(manager->subIntPropertyManager());
        });
    addConstraint<QtRectPropertyManager>(&rects);
    table << rects;
    QtVariantTypeRow rectsF = compoundRow<QtRectFPropertyManager, QRectF>(
        QMetaType::QRectF, [](Private *d, QtRectFPropertyManager *manager) {
            d->routeValue(manager->subDoublePropertyManager());
            d->routeRange(manager->subDoublePropertyManager());
        });
    addConstraint<QtRectFPropertyManager>(&rectsF);
    addDecimals<QtRectFPropertyManager>(&rectsF);
    table << rectsF;

    // The components' range is fixed: only their values are reported.
    table << compoundRow<QtColorPropertyManager, QColor>(
        QMetaType::QColor, [](Private *d, QtColorPropertyManager *manager) {
            d->routeValue(manager->subIntPropertyManager());
        });

    QtVariantTypeRow enums = plainRow<QtEnumPropertyManager, int>(
        QtVariantPropertyManager::enumTypeId(), QMetaType::Int, true);
    QtVariantPropertyManager::iconMapTypeId();
    enums.attributes[enumNamesAttribute] =
        attribute(&QtEnumPropertyManager::enumNames, &QtEnumPropertyManager::setEnumNames);
    enums.attributes[enumIconsAttribute] =
        attribute(&QtEnumPropertyManager::enumIcons, &QtEnumPropertyManager::setEnumIcons);
    addRoute<QtEnumPropertyManager>(&enums, [](Private *d, QtEnumPropertyManager *manager) {
        d->routeEnumNames(manager);
        d->routeAttributes(manager, &QtEnumPropertyManager::enumIconsChanged, {enumIconsAttribute});
    });
    table << enums;

    table << compoundRow<QtSizePolicyPropertyManager, QSizePolicy>(
        QMetaType::QSizePolicy, [](Private *d, QtSizePolicyPropertyManager *manager) {
            d->routeValue(manager->subIntPropertyManager());
            d->routeRange(manager->subIntPropertyManager());
            d->routeValue(manager->subEnumPropertyManager());
            d->routeEnumNames(manager->subEnumPropertyManager());
        });
    table << compoundRow<QtFontPropertyManager, QFont>(
        QMetaType::QFont, [](Private *d, QtFontPropertyManager *manager) {
            d->routeValue(manager->subIntPropertyManager());
            d->routeRange(manager->subIntPropertyManager());
            d->routeValue(manager->subEnumPropertyManager());
            d->routeEnumNames(manager->subEnumPropertyManager());
            d->routeValue(manager->subBoolPropertyManager());
        });
    table << plainRow<QtCursorPropertyManager, QCursor>(QMetaType::QCursor, QMetaType::QCursor,
                                                        false);

    QtVariantTypeRow flags = compoundRow<QtFlagPropertyManager, int>(
        QtVariantPropertyManager::flagTypeId(), [](Private *d, QtFlagPropertyManager *manager) {
            d->routeValue(manager->subBoolPropertyManager());
        });
    flags.valueType = QMetaType::Int;
    flags.attributes[flagNamesAttribute] =
        attribute(&QtFlagPropertyManager::flagNames, &QtFlagPropertyManager::setFlagNames);
    addRoute<QtFlagPropertyManager>(&flags, [](Private *d, QtFlagPropertyManager *manager) {
        d->routeAttributes(manager, &QtFlagPropertyManager::flagNamesChanged, {flagNamesAttribute});
    });
    table << flags;

    QtVariantTypeRow group;
    group.propertyType = QtVariantPropertyManager::groupTypeId();
    group.valueType = 0;
    group.wrapsComponents = false;
    group.create = [](QObject *parent) { return new QtGroupPropertyManager(parent); };
    group.handles = &isManager<QtGroupPropertyManager>;
    group.read = [](QtAbstractPropertyManager *, const QtProperty *) { return QVariant(); };
    group.write = [](QtAbstractPropertyManager *, QtProperty *, const QVariant &) {};
    group.route = [](Private *, QtAbstractPropertyManager *) {};
    table << group;
    return table;
}

const QtVariantTypeRow *
QtVariantPropertyManagerPrivate::rowOfManager(QtAbstractPropertyManager *manager) const
{
    for (const QtVariantTypeRow &row : rows) {
        if (row.handles(manager))
            return &row;
    }
    return nullptr;
}

QtVariantProperty *QtVariantPropertyManagerPrivate::createSubProperty(QtVariantProperty *parent,
                                                                      QtVariantProperty *after,
                                                                      QtProperty *internal)
{
    const QtVariantTypeRow *row = rowOfManager(internal->propertyManager());
    if (!row || !row->wrapsComponents)
        return nullptr;

    const bool wasCreatingSubProperties = creatingSubProperties;
    creatingSubProperties = true;
    QtVariantProperty *wrapper = q_ptr->addProperty(row->propertyType, internal->propertyName());
    creatingSubProperties = wasCreatingSubProperties;
    if (!wrapper)
        return nullptr;

    wrapper->setPropertyName(internal->propertyName());
    wrapper->setValueToolTip(internal->valueToolTip());
    wrapper->setStatusTip(internal->statusTip());
    wrapper->setWhatsThis(internal->whatsThis());

    // Linked before it is shown, so that a browser showing the parent already reads the
    // new row's value.
    internalToProperty[internal] = wrapper;
    wrappedProperties()[wrapper] = internal;
    parent->insertSubProperty(wrapper, after);
    return wrapper;
}

void QtVariantPropertyManagerPrivate::valueChanged(QtProperty *internal)
{
    QtVariantProperty *wrapper = internalToProperty.value(internal, nullptr);
    if (!wrapper)
        return;
    // The value is read now, so that a report never undoes a change made by an earlier
    // receiver of the same signal.
    emit q_ptr->valueChanged(wrapper, q_ptr->value(wrapper));
    // A slot of valueChanged may have cleared the manager.
    if (q_ptr->ownsProperty(wrapper))
        emit q_ptr->propertyChanged(wrapper);
}

void QtVariantPropertyManagerPrivate::reportAttributes(QtProperty *internal,
                                                       const QStringList &names)
{
    for (const QString &name : names) {
        // A receiver of an earlier report may have deleted the row; the values are read
        // now, so a report never undoes a change made by such a receiver.
        QtVariantProperty *wrapper = internalToProperty.value(internal, nullptr);
        if (!wrapper)
            return;
        emit q_ptr->attributeChanged(wrapper, name, q_ptr->attributeValue(wrapper, name));
    }
}

void QtVariantPropertyManagerPrivate::slotPropertyInserted(QtProperty *internal, QtProperty *parent,
                                                           QtProperty *after)
{
    if (creatingProperty)
        return;
    QtVariantProperty *parentWrapper = internalToProperty.value(parent, nullptr);
    if (!parentWrapper)
        return;
    QtVariantProperty *afterWrapper = nullptr;
    if (after) {
        afterWrapper = internalToProperty.value(after, nullptr);
        if (!afterWrapper)
            return;
    }
    createSubProperty(parentWrapper, afterWrapper, internal);
}

void QtVariantPropertyManagerPrivate::slotPropertyRemoved(QtProperty *internal, QtProperty *)
{
    QtVariantProperty *wrapper = internalToProperty.value(internal, nullptr);
    if (!wrapper)
        return;
    const bool wasDestroying = destroyingSubProperties;
    destroyingSubProperties = true;
    delete wrapper;
    destroyingSubProperties = wasDestroying;
    internalToProperty.remove(internal);
    wrappedProperties().remove(wrapper);
}

QtVariantPropertyManager::QtVariantPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtVariantPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->rows = QtVariantPropertyManagerPrivate::typeTable();
    for (const QtVariantTypeRow &row : qAsConst(d_ptr->rows)) {
        QtAbstractPropertyManager *manager = row.create(this);
        d_ptr->typeToPropertyManager[row.propertyType] = manager;
        d_ptr->typeToValueType[row.propertyType] = row.valueType;
        QMap<QString, int> &attributeTypes =
            d_ptr->typeToAttributeToAttributeType[row.propertyType];
        for (auto it = row.attributes.cbegin(); it != row.attributes.cend(); ++it)
            attributeTypes[it.key()] = it.value().type;
        row.route(d_ptr, manager);
    }
}

QtVariantPropertyManager::~QtVariantPropertyManager()
{
    clear();
    // The typed managers go before the record their routing uses.
    const auto managers = d_ptr->typeToPropertyManager;
    d_ptr->typeToPropertyManager.clear();
    qDeleteAll(managers);
    delete d_ptr;
}

int QtVariantPropertyManager::enumTypeId()
{
    static const int id = qRegisterMetaType<QtEnumPropertyType>("QtEnumPropertyType");
    return id;
}

int QtVariantPropertyManager::flagTypeId()
{
    static const int id = qRegisterMetaType<QtFlagPropertyType>("QtFlagPropertyType");
    return id;
}

int QtVariantPropertyManager::groupTypeId()
{
    static const int id = qRegisterMetaType<QtGroupPropertyType>("QtGroupPropertyType");
    return id;
}

int QtVariantPropertyManager::iconMapTypeId()
{
    // A second name of the map type, so that every map of icons has this id.
    static const int id = qRegisterMetaType<QtIconMap>("QtIconMap");
    return id;
}

QtProperty *QtVariantPropertyManager::wrappedProperty(const QtProperty *property)
{
    return wrappedProperties().value(property, nullptr);
}

QtVariantProperty *QtVariantPropertyManager::addProperty(int propertyType, const QString &name)
{
    if (!isPropertyTypeSupported(propertyType))
        return nullptr;
    const bool wasCreating = d_ptr->creatingProperty;
    d_ptr->creatingProperty = true;
    d_ptr->propertyType = propertyType;
    QtProperty *property = QtAbstractPropertyManager::addProperty(name);
    d_ptr->creatingProperty = wasCreating;
    d_ptr->propertyType = 0;
    return property ? variantProperty(property) : nullptr;
}

int QtVariantPropertyManager::propertyType(const QtProperty *property) const
{
    const auto it = d_ptr->propertyToType.constFind(property);
    return it == d_ptr->propertyToType.constEnd() ? 0 : it.value().second;
}

QtVariantProperty *QtVariantPropertyManager::variantProperty(const QtProperty *property) const
{
    const auto it = d_ptr->propertyToType.constFind(property);
    return it == d_ptr->propertyToType.constEnd() ? nullptr : it.value().first;
}

int QtVariantPropertyManager::valueType(int propertyType) const
{
    return d_ptr->typeToValueType.value(propertyType, 0);
}

bool QtVariantPropertyManager::isPropertyTypeSupported(int propertyType) const
{
    return d_ptr->typeToValueType.contains(propertyType);
}

QVariant QtVariantPropertyManager::value(const QtProperty *property) const
{
    QtProperty *internal = wrappedProperty(property);
    if (!internal)
        return QVariant();
    const QtVariantTypeRow *row = d_ptr->rowOfManager(internal->propertyManager());
    return row ? row->read(internal->propertyManager(), internal) : QVariant();
}

void QtVariantPropertyManager::setValue(QtProperty *property, const QVariant &val)
{
    const int type = val.userType();
    if (type == QMetaType::UnknownType)
        return;
    const int wanted = valueType(propertyType(property));
    if (type != wanted && !val.canConvert(wanted))
        return;
    QtProperty *internal = wrappedProperty(property);
    if (!internal)
        return;
    const QtVariantTypeRow *row = d_ptr->rowOfManager(internal->propertyManager());
    if (row)
        row->write(internal->propertyManager(), internal, val);
}

bool QtVariantPropertyManager::hasValue(const QtProperty *property) const
{
    return propertyType(property) != groupTypeId();
}

QString QtVariantPropertyManager::valueText(const QtProperty *property) const
{
    const QtProperty *internal = wrappedProperty(property);
    return internal ? internal->valueText() : QString();
}

QIcon QtVariantPropertyManager::valueIcon(const QtProperty *property) const
{
    const QtProperty *internal = wrappedProperty(property);
    return internal ? internal->valueIcon() : QIcon();
}

void QtVariantPropertyManager::initializeProperty(QtProperty *property)
{
    QtVariantProperty *wrapper = variantProperty(property);
    if (!wrapper)
        return;
    QtAbstractPropertyManager *manager = d_ptr->typeToPropertyManager.value(d_ptr->propertyType);
    if (!manager)
        return;

    QtProperty *internal = nullptr;
    if (!d_ptr->creatingSubProperties) {
        internal = manager->addProperty();
        d_ptr->internalToProperty[internal] = wrapper;
    }
    wrappedProperties()[wrapper] = internal;

    if (!internal)
        return;
    QtVariantProperty *last = nullptr;
    const QList<QtProperty *> children = internal->subProperties();
    for (QtProperty *child : children) {
        if (QtVariantProperty *made = d_ptr->createSubProperty(wrapper, last, child))
            last = made;
    }
}

void QtVariantPropertyManager::uninitializeProperty(QtProperty *property)
{
    if (!d_ptr->propertyToType.contains(property))
        return;
    WrappedMap &wrapped = wrappedProperties();
    const auto it = wrapped.find(property);
    if (it != wrapped.end()) {
        QtProperty *internal = it.value();
        wrapped.erase(it);
        if (internal) {
            d_ptr->internalToProperty.remove(internal);
            if (!d_ptr->destroyingSubProperties)
                delete internal;
        }
    }
    d_ptr->propertyToType.remove(property);
}

QtProperty *QtVariantPropertyManager::createProperty()
{
    if (!d_ptr->creatingProperty)
        return nullptr;
    auto *property = new QtVariantProperty(this);
    d_ptr->propertyToType.insert(property, qMakePair(property, d_ptr->propertyType));
    return property;
}

QStringList QtVariantPropertyManager::attributes(int propertyType) const
{
    return d_ptr->typeToAttributeToAttributeType.value(propertyType).keys();
}

int QtVariantPropertyManager::attributeType(int propertyType, const QString &attribute) const
{
    return d_ptr->typeToAttributeToAttributeType.value(propertyType).value(attribute, 0);
}

QVariant QtVariantPropertyManager::attributeValue(const QtProperty *property,
                                                  const QString &attribute) const
{
    if (!attributeType(propertyType(property), attribute))
        return QVariant();
    QtProperty *internal = wrappedProperty(property);
    if (!internal)
        return QVariant();
    const QtVariantTypeRow *row = d_ptr->rowOfManager(internal->propertyManager());
    if (!row)
        return QVariant();
    const auto it = row->attributes.constFind(attribute);
    if (it == row->attributes.constEnd())
        return QVariant();
    return it.value().read(internal->propertyManager(), internal);
}

void QtVariantPropertyManager::setAttribute(QtProperty *property, const QString &attribute,
                                            const QVariant &value)
{
    if (!attributeValue(property, attribute).isValid())
        return;
    const int type = value.userType();
    if (type == QMetaType::UnknownType)
        return;
    const int wanted = attributeType(propertyType(property), attribute);
    if (type != wanted && !value.canConvert(wanted))
        return;
    QtProperty *internal = wrappedProperty(property);
    if (!internal)
        return;
    const QtVariantTypeRow *row = d_ptr->rowOfManager(internal->propertyManager());
    if (!row)
        return;
    const auto it = row->attributes.constFind(attribute);
    if (it != row->attributes.constEnd())
        it.value().write(internal->propertyManager(), internal, value);
}
