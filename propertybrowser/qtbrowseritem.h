#ifndef QTBROWSERITEM_H
#define QTBROWSERITEM_H

#include <QList>

class QtProperty;
class QtAbstractPropertyBrowser;
class QtBrowserItemPrivate;

// One place where a browser shows a property.
class QtBrowserItem
{
public:
    QtProperty *property() const;
    QtBrowserItem *parent() const;
    QList<QtBrowserItem *> children() const;
    QtAbstractPropertyBrowser *browser() const;

private:
    explicit QtBrowserItem(QtAbstractPropertyBrowser *browser, QtProperty *property,
                           QtBrowserItem *parent);
    ~QtBrowserItem();
    void insertChild(int index, QtBrowserItem *child);
    void removeChild(QtBrowserItem *child);
    friend class QtAbstractPropertyBrowserPrivate;
    QtBrowserItemPrivate *d_ptr;
};

#endif // QTBROWSERITEM_H
