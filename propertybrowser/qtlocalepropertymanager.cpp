#include "qtlocalepropertymanager.h"

#include "qtcompoundvalues.h"
#include "qtenumpropertymanager.h"
#include "qtmetaenumprovider.h"
#include "qtproperty.h"

#include <QDebug>

namespace {
enum Role { Language, Country, RoleCount };

struct LocaleData
{
    QLocale val;
    int revision = 0;
};
} // namespace

class QtLocalePropertyManagerPrivate : public QtCompoundValues<QtLocalePropertyManager, LocaleData>
{
public:
    explicit QtLocalePropertyManagerPrivate(QtLocalePropertyManager *manager)
        : QtCompoundValues(manager, RoleCount)
    { }

    QtEnumPropertyManager *enumPropertyManager = nullptr;
    // Set while a value is pushed into the rows, whose own reports are not folded back.
    bool settingValue = false;
};

QtLocalePropertyManager::QtLocalePropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtLocalePropertyManagerPrivate(this))
{
    d_ptr->enumPropertyManager = new QtEnumPropertyManager(this);
    connect(d_ptr->enumPropertyManager, &QtEnumPropertyManager::valueChanged, this,
            &QtLocalePropertyManager::slotEnumChanged);
    connect(d_ptr->enumPropertyManager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &QtLocalePropertyManager::slotPropertyDestroyed);
}

QtLocalePropertyManager::~QtLocalePropertyManager()
{
    clear();
    delete d_ptr;
}

QtEnumPropertyManager *QtLocalePropertyManager::subEnumPropertyManager() const
{
    return d_ptr->enumPropertyManager;
}

QLocale QtLocalePropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property).val;
}

QString QtLocalePropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    const QtMetaEnumProvider *provider = metaEnumProvider();
    if (it == d_ptr->values.constEnd() || !provider)
        return QString();
    const QLocale &locale = it.value().val;
    int languageIndex = -1;
    int countryIndex = -1;
    provider->localeToIndex(locale.language(), locale.country(), &languageIndex, &countryIndex);
    if (languageIndex < 0) {
        qWarning("QtLocalePropertyManager::valueText: Unknown language %d", locale.language());
        return tr("<Invalid>");
    }
    const QString languageName = provider->languageEnumNames().at(languageIndex);
    if (countryIndex < 0) {
        qWarning("QtLocalePropertyManager::valueText: Unknown country %d for %s", locale.country(),
                 languageName.toLocal8Bit().constData());
        return languageName;
    }
    const QString countryName =
        provider->countryEnumNamesForLanguage(locale.language()).at(countryIndex);
    return tr("%1, %2").arg(languageName, countryName);
}

void QtLocalePropertyManager::setValue(QtProperty *property, const QLocale &val)
{
    const auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it.value().val == val)
        return;
    const QLocale oldVal = it.value().val;
    const int revision = d_ptr->store(property, val);
    const QtMetaEnumProvider *provider = metaEnumProvider();
    if (!provider)
        return;
    int languageIndex = -1;
    int countryIndex = -1;
    provider->localeToIndex(val.language(), val.country(), &languageIndex, &countryIndex);

    // New country names select their first country; that passing choice is not taken for
    // the value being set.
    const bool wasSetting = d_ptr->settingValue;
    d_ptr->settingValue = true;
    QtProperty *language = d_ptr->components.component(Language, property);
    QtProperty *country = d_ptr->components.component(Country, property);
    if (val.language() != oldVal.language()) {
        if (language)
            d_ptr->enumPropertyManager->setValue(language, languageIndex);
        if (country && d_ptr->current(property, revision))
            d_ptr->enumPropertyManager->setEnumNames(
                country, provider->countryEnumNamesForLanguage(val.language()));
    }
    country = d_ptr->components.component(Country, property);
    if (country && d_ptr->current(property, revision))
        d_ptr->enumPropertyManager->setValue(country, countryIndex);
    d_ptr->settingValue = wasSetting;

    d_ptr->report(property, revision);
}

void QtLocalePropertyManager::slotEnumChanged(QtProperty *property, int value)
{
    if (d_ptr->settingValue)
        return;
    int role = 0;
    QtProperty *owner = d_ptr->components.owner(property, &role);
    const QtMetaEnumProvider *provider = metaEnumProvider();
    if (!owner || !provider)
        return;
    const QLocale stored = d_ptr->values.value(owner).val;
    QLocale::Language language = QLocale::C;
    QLocale::Country country = QLocale::AnyCountry;
    if (role == Language) {
        provider->indexToLocale(value, 0, &language, nullptr);
        country = stored.country();
    } else {
        QtProperty *languageRow = d_ptr->components.component(Language, owner);
        const int languageIndex = languageRow ? d_ptr->enumPropertyManager->value(languageRow) : -1;
        provider->indexToLocale(languageIndex, value, &language, &country);
    }
    setValue(owner, QLocale(language, country));
}

void QtLocalePropertyManager::slotPropertyDestroyed(QtProperty *property)
{
    d_ptr->components.forgetComponent(property);
}

void QtLocalePropertyManager::initializeProperty(QtProperty *property)
{
    const QLocale locale;
    d_ptr->values[property] = LocaleData();
    const QtMetaEnumProvider *provider = metaEnumProvider();
    int languageIndex = -1;
    int countryIndex = -1;
    if (provider)
        provider->localeToIndex(locale.language(), locale.country(), &languageIndex, &countryIndex);

    QtProperty *language = d_ptr->enumPropertyManager->addProperty();
    language->setPropertyName(tr("Language"));
    d_ptr->enumPropertyManager->setEnumNames(
        language, provider ? provider->languageEnumNames() : QStringList());
    d_ptr->enumPropertyManager->setValue(language, languageIndex);
    d_ptr->components.add(Language, property, language);

    QtProperty *country = d_ptr->enumPropertyManager->addProperty();
    country->setPropertyName(tr("Country"));
    d_ptr->enumPropertyManager->setEnumNames(
        country,
        provider ? provider->countryEnumNamesForLanguage(locale.language()) : QStringList());
    d_ptr->enumPropertyManager->setValue(country, countryIndex);
    d_ptr->components.add(Country, property, country);
}

void QtLocalePropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->remove(property);
}
