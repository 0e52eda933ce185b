#ifndef QTLINEEDITFACTORY_H
#define QTLINEEDITFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qtstringpropertymanager.h"

class QLineEdit;
template<class Editor> class EditorFactoryPrivate;

// Line edits for string properties, guarded by the property's pattern.
class QtLineEditFactory : public QtAbstractEditorFactory<QtStringPropertyManager>
{
    Q_OBJECT
public:
    explicit QtLineEditFactory(QObject *parent = nullptr);
    ~QtLineEditFactory() override;

protected:
    void connectPropertyManager(QtStringPropertyManager *manager) override;
    QWidget *createEditor(QtStringPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtStringPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QString &value);
    void slotRegExpChanged(QtProperty *property, const QRegExp &regExp);
    void slotEditorDestroyed(QObject *object);

private:
    void setValue(QLineEdit *editor, const QString &value);

    EditorFactoryPrivate<QLineEdit> *d_ptr;
};

#endif // QTLINEEDITFACTORY_H
