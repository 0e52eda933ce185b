#ifndef QTCHECKBOXFACTORY_H
#define QTCHECKBOXFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qtboolpropertymanager.h"

class QtBoolEdit;
template<class Editor> class EditorFactoryPrivate;

// Check boxes for bool properties.
class QtCheckBoxFactory : public QtAbstractEditorFactory<QtBoolPropertyManager>
{
    Q_OBJECT
public:
    explicit QtCheckBoxFactory(QObject *parent = nullptr);
    ~QtCheckBoxFactory() override;

protected:
    void connectPropertyManager(QtBoolPropertyManager *manager) override;
    QWidget *createEditor(QtBoolPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtBoolPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, bool value);
    void slotEditorDestroyed(QObject *object);

private:
    void setValue(QtBoolEdit *editor, bool value);

    EditorFactoryPrivate<QtBoolEdit> *d_ptr;
};

#endif // QTCHECKBOXFACTORY_H
