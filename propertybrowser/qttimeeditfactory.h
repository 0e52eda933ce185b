#ifndef QTTIMEEDITFACTORY_H
#define QTTIMEEDITFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qttimepropertymanager.h"

class QTimeEdit;
template<class Editor> class EditorFactoryPrivate;

// Time edits for time properties.
class QtTimeEditFactory : public QtAbstractEditorFactory<QtTimePropertyManager>
{
    Q_OBJECT
public:
    explicit QtTimeEditFactory(QObject *parent = nullptr);
    ~QtTimeEditFactory() override;

protected:
    void connectPropertyManager(QtTimePropertyManager *manager) override;
    QWidget *createEditor(QtTimePropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtTimePropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QTime &value);
    void slotEditorDestroyed(QObject *object);

private:
    void setValue(QTimeEdit *editor, const QTime &value);

    EditorFactoryPrivate<QTimeEdit> *d_ptr;
};

#endif // QTTIMEEDITFACTORY_H
