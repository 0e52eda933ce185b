#ifndef QTABSTRACTPROPERTYBROWSER_H
#define QTABSTRACTPROPERTYBROWSER_H

#include "qtabstracteditorfactory.h"
#include "qtbrowseritem.h"

#include <QWidget>

class QtAbstractPropertyManager;
class QtAbstractPropertyBrowserPrivate;

// The base of property browsers: the items that show each occurrence of a property, the
// upkeep of them from the managers' signals, the editor bindings and the current item.
class QtAbstractPropertyBrowser : public QWidget
{
    Q_OBJECT
public:
    explicit QtAbstractPropertyBrowser(QWidget *parent = nullptr);
    ~QtAbstractPropertyBrowser() override;

    QList<QtProperty *> properties() const;
    QList<QtBrowserItem *> items(QtProperty *property) const;
    QtBrowserItem *topLevelItem(QtProperty *property) const;
    QList<QtBrowserItem *> topLevelItems() const;

    template<class PropertyManager>
    void setFactoryForManager(PropertyManager *manager,
                              QtAbstractEditorFactory<PropertyManager> *factory)
    {
        QtAbstractPropertyManager *abstractManager = manager;
        QtAbstractEditorFactoryBase *abstractFactory = factory;
        if (addFactory(abstractManager, abstractFactory))
            factory->addPropertyManager(manager);
    }
    void unsetFactoryForManager(QtAbstractPropertyManager *manager);

    QtBrowserItem *currentItem() const;
    void setCurrentItem(QtBrowserItem *item);

signals:
    void currentItemChanged(QtBrowserItem *current);

public slots:
    QtBrowserItem *addProperty(QtProperty *property);
    QtBrowserItem *insertProperty(QtProperty *property, QtProperty *afterProperty);
    void removeProperty(QtProperty *property);

protected:
    virtual void itemInserted(QtBrowserItem *item, QtBrowserItem *afterItem) = 0;
    virtual void itemRemoved(QtBrowserItem *item) = 0;
    virtual void itemChanged(QtBrowserItem *item) = 0;
    virtual QWidget *createEditor(QtProperty *property, QWidget *parent);

private slots:
    void slotPropertyInserted(QtProperty *property, QtProperty *parent, QtProperty *after);
    void slotPropertyRemoved(QtProperty *property, QtProperty *parent);
    void slotPropertyDestroyed(QtProperty *property);
    void slotPropertyDataChanged(QtProperty *property);

private:
    bool addFactory(QtAbstractPropertyManager *manager, QtAbstractEditorFactoryBase *factory);
    friend class QtAbstractPropertyBrowserPrivate;
    QtAbstractPropertyBrowserPrivate *d_ptr;
};

#endif // QTABSTRACTPROPERTYBROWSER_H
