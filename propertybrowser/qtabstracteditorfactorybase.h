#ifndef QTABSTRACTEDITORFACTORYBASE_H
#define QTABSTRACTEDITORFACTORYBASE_H

#include <QObject>

class QWidget;
class QtProperty;
class QtAbstractPropertyManager;

// The untyped face of an editor factory that browsers talk to.
class QtAbstractEditorFactoryBase : public QObject
{
    Q_OBJECT
public:
    virtual QWidget *createEditor(QtProperty *property, QWidget *parent) = 0;
    // Stops serving the manager; called when its last browser binding goes.
    virtual void breakConnection(QtAbstractPropertyManager *manager) = 0;

protected:
    explicit QtAbstractEditorFactoryBase(QObject *parent = nullptr)
        : QObject(parent)
    { }

protected slots:
    virtual void managerDestroyed(QObject *manager) = 0;
};

#endif // QTABSTRACTEDITORFACTORYBASE_H
