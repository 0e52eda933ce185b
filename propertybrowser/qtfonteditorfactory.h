#ifndef QTFONTEDITORFACTORY_H
#define QTFONTEDITORFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qtfontpropertymanager.h"

class QtFontEditWidget;
template<class Editor> class EditorFactoryPrivate;

// Font editors, a sample with a dialog button, for font properties.
class QtFontEditorFactory : public QtAbstractEditorFactory<QtFontPropertyManager>
{
    Q_OBJECT
public:
    explicit QtFontEditorFactory(QObject *parent = nullptr);
    ~QtFontEditorFactory() override;

protected:
    void connectPropertyManager(QtFontPropertyManager *manager) override;
    QWidget *createEditor(QtFontPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtFontPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QFont &value);
    void slotEditorDestroyed(QObject *object);

private:
    void setValue(QtFontEditWidget *editor, const QFont &value);

    EditorFactoryPrivate<QtFontEditWidget> *d_ptr;
};

#endif // QTFONTEDITORFACTORY_H
