#ifndef QTMETAENUMWRAPPER_H
#define QTMETAENUMWRAPPER_H

#include <QObject>
#include <QSizePolicy>

// Declared only for its meta-object, which carries the size-policy enumeration.
class QtMetaEnumWrapper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QSizePolicy::Policy policy READ policy)
public:
    QSizePolicy::Policy policy() const { return QSizePolicy::Ignored; }

private:
    explicit QtMetaEnumWrapper(QObject *parent = nullptr)
        : QObject(parent)
    { }
};

#endif // QTMETAENUMWRAPPER_H
