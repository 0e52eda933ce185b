#ifndef QTCHAREDITORFACTORY_H
#define QTCHAREDITORFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qtcharpropertymanager.h"

class QtCharEdit;
template<class Editor> class EditorFactoryPrivate;

// Character editors for char properties.
class QtCharEditorFactory : public QtAbstractEditorFactory<QtCharPropertyManager>
{
    Q_OBJECT
public:
    explicit QtCharEditorFactory(QObject *parent = nullptr);
    ~QtCharEditorFactory() override;

protected:
    void connectPropertyManager(QtCharPropertyManager *manager) override;
    QWidget *createEditor(QtCharPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtCharPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QChar &value);
    void slotEditorDestroyed(QObject *object);

private:
    void setValue(QtCharEdit *editor, const QChar &value);

    EditorFactoryPrivate<QtCharEdit> *d_ptr;
};

#endif // QTCHAREDITORFACTORY_H
