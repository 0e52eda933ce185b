#include "qtmetaenumprovider.h"

#include "qtmetaenumwrapper.h"

#include <QMetaProperty>
#include <QMultiMap>

namespace {
Q_GLOBAL_STATIC(QtMetaEnumProvider, theProvider)

// Countries in order of their names; among equal names the later one first.
QList<QLocale::Country> sortCountries(const QList<QLocale::Country> &countries)
{
    QMultiMap<QString, QLocale::Country> nameToCountry;
    for (QLocale::Country country : countries)
        nameToCountry.insert(QLocale::countryToString(country), country);
    return nameToCountry.values();
}
} // namespace

QtMetaEnumProvider *metaEnumProvider()
{
    return theProvider();
}

QtMetaEnumProvider::QtMetaEnumProvider()
{
    const QMetaObject *meta = &QtMetaEnumWrapper::staticMetaObject;
    m_policyEnum = meta->property(meta->propertyOffset()).enumerator();
    for (int i = 0; i < m_policyEnum.keyCount(); ++i)
        m_policyEnumNames.append(QLatin1String(m_policyEnum.key(i)));
    initLocale();
}

void QtMetaEnumProvider::initLocale()
{
    QMultiMap<QString, QLocale::Language> nameToLanguage;
    // Codes past the last one Qt knows would be read outside its tables.
    const int lastLanguage = qMin(369, int(QLocale::LastLanguage));
    for (int code = QLocale::C; code <= lastLanguage; ++code) {
        const auto language = QLocale::Language(code);
        if (QLocale(language, QLocale::AnyCountry).language() == language)
            nameToLanguage.insert(QLocale::languageToString(language), language);
    }
    const QLocale system = QLocale::system();
    if (!nameToLanguage.contains(QLocale::languageToString(system.language())))
        nameToLanguage.insert(QLocale::languageToString(system.language()), system.language());

    const QList<QLocale::Language> languages = nameToLanguage.values();
    for (QLocale::Language language : languages) {
        QList<QLocale::Country> countries = QLocale::countriesForLanguage(language);
        if (countries.isEmpty() && language == system.language())
            countries << system.country();
        if (countries.isEmpty() || m_languageToIndex.contains(language))
            continue;
        countries = sortCountries(countries);
        const int languageIndex = m_languageEnumNames.count();
        m_indexToLanguage[languageIndex] = language;
        m_languageToIndex[language] = languageIndex;
        QStringList countryNames;
        int countryIndex = 0;
        for (QLocale::Country country : qAsConst(countries)) {
            countryNames << QLocale::countryToString(country);
            m_indexToCountry[languageIndex][countryIndex] = country;
            m_countryToIndex[language][country] = countryIndex;
            ++countryIndex;
        }
        m_languageEnumNames << QLocale::languageToString(language);
        m_countryEnumNames[language] = countryNames;
    }
}

int QtMetaEnumProvider::sizePolicyToIndex(QSizePolicy::Policy policy) const
{
    for (int i = 0; i < m_policyEnum.keyCount(); ++i) {
        if (m_policyEnum.value(i) == policy)
            return i;
    }
    return -1;
}

bool QtMetaEnumProvider::indexToSizePolicy(int index, QSizePolicy::Policy *policy) const
{
    if (index < 0 || index >= m_policyEnum.keyCount())
        return false;
    *policy = QSizePolicy::Policy(m_policyEnum.value(index));
    return true;
}

void QtMetaEnumProvider::indexToLocale(int languageIndex, int countryIndex,
                                       QLocale::Language *language, QLocale::Country *country) const
{
    QLocale::Language l = QLocale::C;
    QLocale::Country c = QLocale::AnyCountry;
    if (m_indexToLanguage.contains(languageIndex)) {
        l = m_indexToLanguage[languageIndex];
        c = m_indexToCountry.value(languageIndex).value(countryIndex, QLocale::AnyCountry);
    }
    if (language)
        *language = l;
    if (country)
        *country = c;
}

void QtMetaEnumProvider::localeToIndex(QLocale::Language language, QLocale::Country country,
                                       int *languageIndex, int *countryIndex) const
{
    int l = m_languageToIndex.value(language, -1);
    int c = -1;
    if (l >= 0)
        c = m_countryToIndex.value(language).value(country, -1);
    if (languageIndex)
        *languageIndex = l;
    if (countryIndex)
        *countryIndex = c;
}
