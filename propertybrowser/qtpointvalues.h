#ifndef QTPOINTVALUES_H
#define QTPOINTVALUES_H

#include "qtuniformcompoundvalues.h"

#include <type_traits>

template<class Point> struct QtPointData
{
    Point val;
    int decimals = 2;
    int revision = 0;
};

// The shared rules of the point managers: X and Y rows of the sub-manager; Point is QPoint
// or QPointF.
template<class Manager, class SubManager, class Point>
class QtPointValues : public QtUniformCompoundValues<Manager, SubManager, QtPointData<Point>>
{
public:
    enum Role { X, Y, RoleCount };

    explicit QtPointValues(Manager *manager)
        : QtUniformCompoundValues<Manager, SubManager, QtPointData<Point>>(manager, RoleCount)
    { }

    void initialize(QtProperty *property, const QStringList &names)
    {
        this->values[property] = QtPointData<Point>();
        const int decimals = this->values[property].decimals;
        this->addComponents(property, names, [this, decimals](int, QtProperty *component) {
            setUpDecimals(component, decimals);
            this->subManager->setValue(component, 0);
        });
    }

    void setValue(QtProperty *property, const Point &val)
    {
        const auto it = this->values.constFind(property);
        if (it == this->values.constEnd() || it.value().val == val)
            return;
        const int revision = this->store(property, val);
        if (this->pushDown(property, revision, {val.x(), val.y()}))
            this->report(property, revision);
    }

    void componentChanged(QtProperty *component, decltype(Point().x()) number)
    {
        int role = 0;
        QtProperty *property = this->components.owner(component, &role);
        if (!property)
            return;
        Point val = this->value(property);
        if (role == X)
            val.setX(number);
        else
            val.setY(number);
        setValue(property, val);
    }

    QString valueText(const QtProperty *property, const QString &pattern) const
    {
        const auto it = this->values.constFind(property);
        if (it == this->values.constEnd())
            return QString();
        const Point &val = it.value().val;
        return pattern.arg(number(val.x(), it.value().decimals))
            .arg(number(val.y(), it.value().decimals));
    }

    static QString number(int n, int) { return QString::number(n); }
    static QString number(double n, int decimals) { return QString::number(n, 'f', decimals); }

private:
    void setUpDecimals(QtProperty *component, int decimals)
    {
        if constexpr (std::is_same<decltype(Point().x()), double>::value) {
            this->subManager->setDecimals(component, decimals);
        } else {
            Q_UNUSED(component)
            Q_UNUSED(decimals)
        }
    }
};

#endif // QTPOINTVALUES_H
