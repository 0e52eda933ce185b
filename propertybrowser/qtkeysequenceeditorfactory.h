#ifndef QTKEYSEQUENCEEDITORFACTORY_H
#define QTKEYSEQUENCEEDITORFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qtkeysequencepropertymanager.h"

class QKeySequenceEdit;
template<class Editor> class EditorFactoryPrivate;

// Key-sequence edits for key-sequence properties.
class QtKeySequenceEditorFactory : public QtAbstractEditorFactory<QtKeySequencePropertyManager>
{
    Q_OBJECT
public:
    explicit QtKeySequenceEditorFactory(QObject *parent = nullptr);
    ~QtKeySequenceEditorFactory() override;

protected:
    void connectPropertyManager(QtKeySequencePropertyManager *manager) override;
    QWidget *createEditor(QtKeySequencePropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtKeySequencePropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QKeySequence &value);
    void slotEditorDestroyed(QObject *object);

private:
    void setValue(QKeySequenceEdit *editor, const QKeySequence &value);

    EditorFactoryPrivate<QKeySequenceEdit> *d_ptr;
};

#endif // QTKEYSEQUENCEEDITORFACTORY_H
