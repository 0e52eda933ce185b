#ifndef QTDOUBLESPINBOXFACTORY_H
#define QTDOUBLESPINBOXFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qtdoublepropertymanager.h"

class QDoubleSpinBox;
template<class Editor> class EditorFactoryPrivate;

// Double spin boxes for double properties.
class QtDoubleSpinBoxFactory : public QtAbstractEditorFactory<QtDoublePropertyManager>
{
    Q_OBJECT
public:
    explicit QtDoubleSpinBoxFactory(QObject *parent = nullptr);
    ~QtDoubleSpinBoxFactory() override;

protected:
    void connectPropertyManager(QtDoublePropertyManager *manager) override;
    QWidget *createEditor(QtDoublePropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtDoublePropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, double value);
    void slotRangeChanged(QtProperty *property, double minimum, double maximum);
    void slotSingleStepChanged(QtProperty *property, double step);
    void slotDecimalsChanged(QtProperty *property, int decimals);
    void slotEditorDestroyed(QObject *object);

private:
    void setValue(QDoubleSpinBox *editor, double value);

    EditorFactoryPrivate<QDoubleSpinBox> *d_ptr;
};

#endif // QTDOUBLESPINBOXFACTORY_H
