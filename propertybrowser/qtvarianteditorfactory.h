#ifndef QTVARIANTEDITORFACTORY_H
#define QTVARIANTEDITORFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qtvariantpropertymanager.h"

class QtVariantEditorFactoryPrivate;

// Editors for the rows of variant managers: each request goes to the stock factory of the
// row's type, with the row's internal property.
class QtVariantEditorFactory : public QtAbstractEditorFactory<QtVariantPropertyManager>
{
    Q_OBJECT
public:
    explicit QtVariantEditorFactory(QObject *parent = nullptr);
    ~QtVariantEditorFactory() override;

protected:
    void connectPropertyManager(QtVariantPropertyManager *manager) override;
    QWidget *createEditor(QtVariantPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtVariantPropertyManager *manager) override;

private:
    QtVariantEditorFactoryPrivate *d_ptr;
};

#endif // QTVARIANTEDITORFACTORY_H
