#ifndef QTDATEEDITFACTORY_H
#define QTDATEEDITFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qtdatepropertymanager.h"

class QDateEdit;
template<class Editor> class EditorFactoryPrivate;

// Date edits with a calendar for date properties.
class QtDateEditFactory : public QtAbstractEditorFactory<QtDatePropertyManager>
{
    Q_OBJECT
public:
    explicit QtDateEditFactory(QObject *parent = nullptr);
    ~QtDateEditFactory() override;

protected:
    void connectPropertyManager(QtDatePropertyManager *manager) override;
    QWidget *createEditor(QtDatePropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtDatePropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QDate &value);
    void slotRangeChanged(QtProperty *property, const QDate &minimum, const QDate &maximum);
    void slotEditorDestroyed(QObject *object);

private:
    void setValue(QDateEdit *editor, const QDate &value);

    EditorFactoryPrivate<QDateEdit> *d_ptr;
};

#endif // QTDATEEDITFACTORY_H
