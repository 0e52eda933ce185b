#include "qtbrowseritem.h"

class QtBrowserItemPrivate
{
public:
    QtAbstractPropertyBrowser *browser = nullptr;
    QtProperty *property = nullptr;
    QtBrowserItem *parent = nullptr;
    QtBrowserItem *q_ptr = nullptr;
    QList<QtBrowserItem *> children;
};

QtBrowserItem::QtBrowserItem(QtAbstractPropertyBrowser *browser, QtProperty *property,
                             QtBrowserItem *parent)
    : d_ptr(new QtBrowserItemPrivate)
{
    d_ptr->browser = browser;
    d_ptr->property = property;
    d_ptr->parent = parent;
    d_ptr->q_ptr = this;
}

QtBrowserItem::~QtBrowserItem()
{
    delete d_ptr;
}

QtProperty *QtBrowserItem::property() const
{
    return d_ptr->property;
}

QtBrowserItem *QtBrowserItem::parent() const
{
    return d_ptr->parent;
}

QList<QtBrowserItem *> QtBrowserItem::children() const
{
    return d_ptr->children;
}

QtAbstractPropertyBrowser *QtBrowserItem::browser() const
{
    return d_ptr->browser;
}

void QtBrowserItem::insertChild(int index, QtBrowserItem *child)
{
    d_ptr->children.insert(index, child);
}

void QtBrowserItem::removeChild(QtBrowserItem *child)
{
    // Children go from the last one: found at once.
    const int at = d_ptr->children.lastIndexOf(child);
    if (at >= 0)
        d_ptr->children.removeAt(at);
}
