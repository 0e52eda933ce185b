#ifndef QTCOLOREDITORFACTORY_H
#define QTCOLOREDITORFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qtcolorpropertymanager.h"

class QtColorEditWidget;
template<class Editor> class EditorFactoryPrivate;

// Colour editors for colour properties.
class QtColorEditorFactory : public QtAbstractEditorFactory<QtColorPropertyManager>
{
    Q_OBJECT
public:
    explicit QtColorEditorFactory(QObject *parent = nullptr);
    ~QtColorEditorFactory() override;

protected:
    void connectPropertyManager(QtColorPropertyManager *manager) override;
    QWidget *createEditor(QtColorPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtColorPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QColor &value);
    void slotEditorDestroyed(QObject *object);

private:
    void setValue(QtColorEditWidget *editor, const QColor &value);

    EditorFactoryPrivate<QtColorEditWidget> *d_ptr;
};

#endif // QTCOLOREDITORFACTORY_H
