#ifndef QTENUMEDITORFACTORY_H
#define QTENUMEDITORFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qtenumpropertymanager.h"

class QComboBox;
template<class Editor> class EditorFactoryPrivate;

// Combo boxes for choice properties.
class QtEnumEditorFactory : public QtAbstractEditorFactory<QtEnumPropertyManager>
{
    Q_OBJECT
public:
    explicit QtEnumEditorFactory(QObject *parent = nullptr);
    ~QtEnumEditorFactory() override;

protected:
    void connectPropertyManager(QtEnumPropertyManager *manager) override;
    QWidget *createEditor(QtEnumPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtEnumPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, int value);
    void slotEnumNamesChanged(QtProperty *property, const QStringList &names);
    void slotEnumIconsChanged(QtProperty *property, const QMap<int, QIcon> &icons);
    void slotEditorDestroyed(QObject *object);

private:
    void setValue(QComboBox *editor, int value);

    EditorFactoryPrivate<QComboBox> *d_ptr;
};

#endif // QTENUMEDITORFACTORY_H
