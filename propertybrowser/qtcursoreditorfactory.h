#ifndef QTCURSOREDITORFACTORY_H
#define QTCURSOREDITORFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qtcursorpropertymanager.h"

class QtCursorEditorFactoryPrivate;

// Lists of cursor shapes for cursor properties; each list edits an internal choice row that
// lives while the property has an open list.
class QtCursorEditorFactory : public QtAbstractEditorFactory<QtCursorPropertyManager>
{
    Q_OBJECT
public:
    explicit QtCursorEditorFactory(QObject *parent = nullptr);
    ~QtCursorEditorFactory() override;

protected:
    void connectPropertyManager(QtCursorPropertyManager *manager) override;
    QWidget *createEditor(QtCursorPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtCursorPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QCursor &cursor);
    void slotEnumChanged(QtProperty *property, int value);
    void slotEditorDestroyed(QObject *object);

private:
    QtCursorEditorFactoryPrivate *d_ptr;
};

#endif // QTCURSOREDITORFACTORY_H
