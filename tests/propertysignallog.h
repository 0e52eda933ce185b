#ifndef PROPERTYSIGNALLOG_H
#define PROPERTYSIGNALLOG_H

#include "qtabstractpropertymanager.h"
#include "qtproperty.h"

#include <QStringList>
#include <QVariant>

// Records the signals of property managers as short lines, so a test can compare the order.
// The log is the context of its connections: they end with it.
class PropertySignalLog : public QObject
{
public:
    QStringList lines;

    static QString nameOf(QtProperty *property)
    {
        if (!property)
            return QStringLiteral("-");
        const QString name = property->propertyName();
        return name.isEmpty() ? QStringLiteral("?") : name;
    }

    void watchStructure(QtAbstractPropertyManager *manager, const QString &prefix = QString())
    {
        QObject::connect(manager, &QtAbstractPropertyManager::propertyInserted, this,
                         [this, prefix](QtProperty *p, QtProperty *parent, QtProperty *after) {
                             lines << prefix + "inserted " + nameOf(p) + " " + nameOf(parent) + " "
                                     + nameOf(after);
                         });
        QObject::connect(
            manager, &QtAbstractPropertyManager::propertyChanged, this,
            [this, prefix](QtProperty *p) { lines << prefix + "changed " + nameOf(p); });
        QObject::connect(manager, &QtAbstractPropertyManager::propertyRemoved, this,
                         [this, prefix](QtProperty *p, QtProperty *parent) {
                             lines << prefix + "removed " + nameOf(p) + " " + nameOf(parent);
                         });
        QObject::connect(
            manager, &QtAbstractPropertyManager::propertyDestroyed, this,
            [this, prefix](QtProperty *p) { lines << prefix + "destroyed " + nameOf(p); });
    }

    // Logs a typed value signal as "value <name> <text>".
    template<class Manager, class T>
    void watchValue(Manager *manager, void (Manager::*signal)(QtProperty *, T),
                    const QString &prefix = QString())
    {
        QObject::connect(manager, signal, this, [this, prefix](QtProperty *p, T value) {
            lines << prefix + "value " + nameOf(p) + " " + QVariant::fromValue(value).toString();
        });
    }

    QStringList take()
    {
        const QStringList result = lines;
        lines.clear();
        return result;
    }
};

#endif // PROPERTYSIGNALLOG_H
