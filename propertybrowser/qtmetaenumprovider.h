#ifndef QTMETAENUMPROVIDER_H
#define QTMETAENUMPROVIDER_H

#include <QLocale>
#include <QMap>
#include <QMetaEnum>
#include <QSizePolicy>
#include <QStringList>

// The choice lists of size-policy and locale rows: the policy names, and the languages and
// each language's countries sorted by name, with the positions of their codes.
class QtMetaEnumProvider
{
public:
    QtMetaEnumProvider();

    QStringList policyEnumNames() const { return m_policyEnumNames; }
    QStringList languageEnumNames() const { return m_languageEnumNames; }
    QStringList countryEnumNamesForLanguage(QLocale::Language language) const
    {
        return m_countryEnumNames.value(language);
    }
    QMetaEnum policyEnum() const { return m_policyEnum; }

    // The position of a policy among the names, -1 for none.
    int sizePolicyToIndex(QSizePolicy::Policy policy) const;
    // The policy at a position; false for a position without one.
    bool indexToSizePolicy(int index, QSizePolicy::Policy *policy) const;
    void indexToLocale(int languageIndex, int countryIndex, QLocale::Language *language,
                       QLocale::Country *country) const;
    void localeToIndex(QLocale::Language language, QLocale::Country country, int *languageIndex,
                       int *countryIndex) const;

private:
    void initLocale();

    QStringList m_policyEnumNames;
    QStringList m_languageEnumNames;
    QMap<QLocale::Language, QStringList> m_countryEnumNames;
    QMap<int, QLocale::Language> m_indexToLanguage;
    QMap<QLocale::Language, int> m_languageToIndex;
    QMap<int, QMap<int, QLocale::Country>> m_indexToCountry;
    QMap<QLocale::Language, QMap<QLocale::Country, int>> m_countryToIndex;
    QMetaEnum m_policyEnum;
};

// The one provider of the program; null once the program is ending.
QtMetaEnumProvider *metaEnumProvider();

#endif // QTMETAENUMPROVIDER_H
