#ifndef QTDATETIMEEDITFACTORY_H
#define QTDATETIMEEDITFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qtdatetimepropertymanager.h"

class QDateTimeEdit;
template<class Editor> class EditorFactoryPrivate;

// Date-time edits for date-time properties.
class QtDateTimeEditFactory : public QtAbstractEditorFactory<QtDateTimePropertyManager>
{
    Q_OBJECT
public:
    explicit QtDateTimeEditFactory(QObject *parent = nullptr);
    ~QtDateTimeEditFactory() override;

protected:
    void connectPropertyManager(QtDateTimePropertyManager *manager) override;
    QWidget *createEditor(QtDateTimePropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtDateTimePropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QDateTime &value);
    void slotEditorDestroyed(QObject *object);

private:
    void setValue(QDateTimeEdit *editor, const QDateTime &value);

    EditorFactoryPrivate<QDateTimeEdit> *d_ptr;
};

#endif // QTDATETIMEEDITFACTORY_H
