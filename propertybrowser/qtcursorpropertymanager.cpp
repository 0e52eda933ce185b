#include "qtcursorpropertymanager.h"

#include "qtcursordatabase.h"
#include "qtsimplevalues.h"

namespace {
Q_GLOBAL_STATIC(QtCursorDatabase, cursorDatabase)

// Two cursors of one standard shape are the same; bitmap cursors always differ.
struct SameCursor
{
    bool operator()(const QCursor &a, const QCursor &b) const
    {
        return a.shape() == b.shape() && a.shape() != Qt::BitmapCursor;
    }
};
} // namespace

class QtCursorPropertyManagerPrivate
    : public QtSimpleValues<QtCursorPropertyManager, QCursor, SameCursor>
{
public:
    using QtSimpleValues::QtSimpleValues;
};

QtCursorPropertyManager::QtCursorPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtCursorPropertyManagerPrivate(this))
{ }

QtCursorPropertyManager::~QtCursorPropertyManager()
{
    clear();
    delete d_ptr;
}

QCursor QtCursorPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->value(property);
}

void QtCursorPropertyManager::setValue(QtProperty *property, const QCursor &val)
{
    d_ptr->setValue(property, val);
}

QString QtCursorPropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QString()
                                          : cursorDatabase()->cursorToShapeName(it.value());
}

QIcon QtCursorPropertyManager::valueIcon(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QIcon()
                                          : cursorDatabase()->cursorToShapeIcon(it.value());
}

void QtCursorPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QCursor();
}

void QtCursorPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
