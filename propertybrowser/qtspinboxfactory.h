#ifndef QTSPINBOXFACTORY_H
#define QTSPINBOXFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qtintpropertymanager.h"

class QSpinBox;
template<class Editor> class EditorFactoryPrivate;

// Spin boxes for int properties.
class QtSpinBoxFactory : public QtAbstractEditorFactory<QtIntPropertyManager>
{
    Q_OBJECT
public:
    explicit QtSpinBoxFactory(QObject *parent = nullptr);
    ~QtSpinBoxFactory() override;

protected:
    void connectPropertyManager(QtIntPropertyManager *manager) override;
    QWidget *createEditor(QtIntPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtIntPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, int value);
    void slotRangeChanged(QtProperty *property, int minimum, int maximum);
    void slotSingleStepChanged(QtProperty *property, int step);
    void slotEditorDestroyed(QObject *object);

private:
    void setValue(QSpinBox *editor, int value);

    EditorFactoryPrivate<QSpinBox> *d_ptr;
};

#endif // QTSPINBOXFACTORY_H
