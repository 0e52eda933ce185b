#include "qtfontpropertymanager.h"

#include "qtboolpropertymanager.h"
#include "qtcompoundvalues.h"
#include "qtenumpropertymanager.h"
#include "qtintpropertymanager.h"
#include "qtproperty.h"
#include "qtpropertybrowserutils.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QTimer>

namespace {
Q_GLOBAL_STATIC(QFontDatabase, fontDatabase)

enum Role { Family, PointSize, Bold, Italic, Underline, Strikeout, Kerning, RoleCount };

struct FontData
{
    QFont val;
    int revision = 0;
};

// Bold is any weight above the middle of normal and demi-bold.
bool isBold(const QFont &font)
{
    return font.weight() > 57;
}
} // namespace

class QtFontPropertyManagerPrivate : public QtCompoundValues<QtFontPropertyManager, FontData>
{
public:
    explicit QtFontPropertyManagerPrivate(QtFontPropertyManager *manager)
        : QtCompoundValues(manager, RoleCount)
    { }

    QStringList familyNames;
    QtIntPropertyManager *intPropertyManager = nullptr;
    QtEnumPropertyManager *enumPropertyManager = nullptr;
    QtBoolPropertyManager *boolPropertyManager = nullptr;
    // Set while a font is pushed into its rows, whose own reports are not folded back.
    bool settingValue = false;
    QTimer *fontDatabaseChangeTimer = nullptr;

    int familyIndex(const QString &family) const { return qMax(0, familyNames.indexOf(family)); }
};

QtFontPropertyManager::QtFontPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtFontPropertyManagerPrivate(this))
{
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::fontDatabaseChanged, this,
                &QtFontPropertyManager::slotFontDatabaseChanged);

    d_ptr->intPropertyManager = new QtIntPropertyManager(this);
    connect(d_ptr->intPropertyManager, &QtIntPropertyManager::valueChanged, this,
            &QtFontPropertyManager::slotIntChanged);
    d_ptr->enumPropertyManager = new QtEnumPropertyManager(this);
    connect(d_ptr->enumPropertyManager, &QtEnumPropertyManager::valueChanged, this,
            &QtFontPropertyManager::slotEnumChanged);
    d_ptr->boolPropertyManager = new QtBoolPropertyManager(this);
    connect(d_ptr->boolPropertyManager, &QtBoolPropertyManager::valueChanged, this,
            &QtFontPropertyManager::slotBoolChanged);
    for (QtAbstractPropertyManager *manager :
         {static_cast<QtAbstractPropertyManager *>(d_ptr->intPropertyManager),
          static_cast<QtAbstractPropertyManager *>(d_ptr->enumPropertyManager),
          static_cast<QtAbstractPropertyManager *>(d_ptr->boolPropertyManager)})
        connect(manager, &QtAbstractPropertyManager::propertyDestroyed, this,
                &QtFontPropertyManager::slotPropertyDestroyed);
}

QtFontPropertyManager::~QtFontPropertyManager()
{
    clear();
    delete d_ptr;
}

QtIntPropertyManager *QtFontPropertyManager::subIntPropertyManager() const
{
    return d_ptr->intPropertyManager;
}

QtEnumPropertyManager *QtFontPropertyManager::subEnumPropertyManager() const
{
    return d_ptr->enumPropertyManager;
}

QtBoolPropertyManager *QtFontPropertyManager::subBoolPropertyManager() const
{
    return d_ptr->boolPropertyManager;
}

QFont QtFontPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property).val;
}

QString QtFontPropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QString()
                                          : QtPropertyBrowserUtils::fontValueText(it.value().val);
}

QIcon QtFontPropertyManager::valueIcon(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QIcon()
                                          : QtPropertyBrowserUtils::fontValueIcon(it.value().val);
}

void QtFontPropertyManager::setValue(QtProperty *property, const QFont &val)
{
    const auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end()
        || (it.value().val == val && it.value().val.resolve() == val.resolve()))
        return;
    const int revision = d_ptr->store(property, val);

    const bool wasSetting = d_ptr->settingValue;
    d_ptr->settingValue = true;
    const bool switches[] = {isBold(val), val.style() != QFont::StyleNormal, val.underline(),
                             val.strikeOut(), val.kerning()};
    for (int role = 0; role < RoleCount; ++role) {
        // A slot reached from a row may change the font again or delete the row.
        if (!d_ptr->current(property, revision))
            break;
        QtProperty *component = d_ptr->components.component(role, property);
        if (!component)
            continue;
        if (role == Family)
            d_ptr->enumPropertyManager->setValue(component, d_ptr->familyIndex(val.family()));
        else if (role == PointSize)
            d_ptr->intPropertyManager->setValue(component, val.pointSize());
        else
            d_ptr->boolPropertyManager->setValue(component, switches[role - Bold]);
    }
    d_ptr->settingValue = wasSetting;

    d_ptr->report(property, revision);
}

void QtFontPropertyManager::slotIntChanged(QtProperty *property, int value)
{
    if (d_ptr->settingValue)
        return;
    int role = 0;
    QtProperty *owner = d_ptr->components.owner(property, &role);
    if (!owner || role != PointSize)
        return;
    QFont font = d_ptr->values.value(owner).val;
    font.setPointSize(value);
    setValue(owner, font);
}

void QtFontPropertyManager::slotEnumChanged(QtProperty *property, int value)
{
    if (d_ptr->settingValue)
        return;
    int role = 0;
    QtProperty *owner = d_ptr->components.owner(property, &role);
    if (!owner || role != Family || value < 0 || value >= d_ptr->familyNames.size())
        return;
    QFont font = d_ptr->values.value(owner).val;
    font.setFamily(d_ptr->familyNames.at(value));
    setValue(owner, font);
}

void QtFontPropertyManager::slotBoolChanged(QtProperty *property, bool value)
{
    if (d_ptr->settingValue)
        return;
    int role = 0;
    QtProperty *owner = d_ptr->components.owner(property, &role);
    if (!owner)
        return;
    QFont font = d_ptr->values.value(owner).val;
    switch (role) {
    case Bold:
        font.setWeight(value ? QFont::Bold : QFont::Normal);
        break;
    case Italic:
        font.setStyle(value ? QFont::StyleItalic : QFont::StyleNormal);
        break;
    case Underline:
        font.setUnderline(value);
        break;
    case Strikeout:
        font.setStrikeOut(value);
        break;
    case Kerning:
        font.setKerning(value);
        break;
    default:
        return;
    }
    setValue(owner, font);
}

void QtFontPropertyManager::slotPropertyDestroyed(QtProperty *property)
{
    d_ptr->components.forgetComponent(property);
}

void QtFontPropertyManager::slotFontDatabaseChanged()
{
    // Several changes within one pass of the event loop lead to one refresh.
    if (!d_ptr->fontDatabaseChangeTimer) {
        d_ptr->fontDatabaseChangeTimer = new QTimer(this);
        d_ptr->fontDatabaseChangeTimer->setInterval(0);
        d_ptr->fontDatabaseChangeTimer->setSingleShot(true);
        connect(d_ptr->fontDatabaseChangeTimer, &QTimer::timeout, this,
                &QtFontPropertyManager::slotFontDatabaseDelayedChange);
    }
    if (!d_ptr->fontDatabaseChangeTimer->isActive())
        d_ptr->fontDatabaseChangeTimer->start();
}

void QtFontPropertyManager::slotFontDatabaseDelayedChange()
{
    const QStringList oldFamilies = d_ptr->familyNames;
    d_ptr->familyNames = fontDatabase()->families();
    const QStringList newFamilies = d_ptr->familyNames;

    // Each step runs other slots, which may delete rows: the maps are read live.
    const QList<const QtProperty *> properties = d_ptr->values.keys();
    for (const QtProperty *property : properties) {
        if (!d_ptr->values.contains(property))
            continue;
        QtProperty *family = d_ptr->components.component(Family, property);
        if (!family)
            continue;
        const QString oldName = oldFamilies.value(d_ptr->enumPropertyManager->value(family));
        const int newIndex = oldName.isEmpty() ? 0 : qMax(0, newFamilies.indexOf(oldName));
        d_ptr->enumPropertyManager->setEnumNames(family, newFamilies);
        family = d_ptr->components.component(Family, property);
        if (family && d_ptr->values.contains(property))
            d_ptr->enumPropertyManager->setValue(family, newIndex);
    }
}

void QtFontPropertyManager::initializeProperty(QtProperty *property)
{
    const QFont font;
    d_ptr->values[property] = FontData();
    if (d_ptr->familyNames.isEmpty())
        d_ptr->familyNames = fontDatabase()->families();

    QtProperty *family = d_ptr->enumPropertyManager->addProperty();
    family->setPropertyName(tr("Family"));
    d_ptr->enumPropertyManager->setEnumNames(family, d_ptr->familyNames);
    d_ptr->enumPropertyManager->setValue(family, d_ptr->familyIndex(font.family()));
    d_ptr->components.add(Family, property, family);

    QtProperty *pointSize = d_ptr->intPropertyManager->addProperty();
    pointSize->setPropertyName(tr("Point Size"));
    d_ptr->intPropertyManager->setValue(pointSize, font.pointSize());
    // A font sized in pixels reads -1 points; its row shows the lowest size.
    d_ptr->intPropertyManager->setMinimum(pointSize, 1);
    d_ptr->components.add(PointSize, property, pointSize);

    const QString names[] = {tr("Bold"), tr("Italic"), tr("Underline"), tr("Strikeout"),
                             tr("Kerning")};
    const bool switches[] = {isBold(font), font.style() != QFont::StyleNormal, font.underline(),
                             font.strikeOut(), font.kerning()};
    for (int role = Bold; role < RoleCount; ++role) {
        QtProperty *component = d_ptr->boolPropertyManager->addProperty();
        component->setPropertyName(names[role - Bold]);
        d_ptr->boolPropertyManager->setValue(component, switches[role - Bold]);
        d_ptr->components.add(role, property, component);
    }
}

void QtFontPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->remove(property);
}
