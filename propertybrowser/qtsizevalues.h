#ifndef QTSIZEVALUES_H
#define QTSIZEVALUES_H

#include "qtuniformcompoundvalues.h"

#include <limits>
#include <type_traits>

template<class Size> struct QtSizeData
{
    using Number = decltype(Size().width());

    Size val = Size(0, 0);
    Size minVal = Size(0, 0);
    Size maxVal = Size(std::numeric_limits<Number>::max(), std::numeric_limits<Number>::max());
    int decimals = 2;
    int revision = 0;

    // A new border moves the other border and the value where they lie beyond it, each
    // component on its own.
    void setMinimumValue(const Size &size)
    {
        minVal = size;
        maxVal = maxVal.expandedTo(size);
        val = val.expandedTo(size);
    }

    void setMaximumValue(const Size &size)
    {
        maxVal = size;
        minVal = minVal.boundedTo(size);
        val = val.boundedTo(size);
    }
};

// The shared rules of the size managers: Width and Height rows of the sub-manager, each
// kept within the range of the size; Size is QSize or QSizeF.
template<class Manager, class SubManager, class Size>
class QtSizeValues : public QtUniformCompoundValues<Manager, SubManager, QtSizeData<Size>>
{
public:
    enum Role { Width, Height, RoleCount };
    using Data = QtSizeData<Size>;
    using Number = typename Data::Number;

    explicit QtSizeValues(Manager *manager)
        : QtUniformCompoundValues<Manager, SubManager, Data>(manager, RoleCount)
    { }

    Size minimum(const QtProperty *property) const
    {
        return this->values.value(property, invalidData()).minVal;
    }

    Size maximum(const QtProperty *property) const
    {
        return this->values.value(property, invalidData()).maxVal;
    }

    void initialize(QtProperty *property, const QStringList &names)
    {
        this->values[property] = Data();
        const int decimals = this->values[property].decimals;
        this->addComponents(property, names, [this, decimals](int, QtProperty *component) {
            if constexpr (std::is_same<Number, double>::value)
                this->subManager->setDecimals(component, decimals);
            this->subManager->setValue(component, 0);
            this->subManager->setMinimum(component, 0);
        });
    }

    void setValue(QtProperty *property, const Size &val)
    {
        const auto it = this->values.constFind(property);
        if (it == this->values.constEnd() || it.value().val == val)
            return;
        const Data &data = it.value();
        const Size bounded(bound(val.width(), data.minVal.width(), data.maxVal.width()),
                           bound(val.height(), data.minVal.height(), data.maxVal.height()));
        if (bounded == data.val)
            return;
        const int revision = this->store(property, bounded);
        if (this->pushDown(property, revision, {bounded.width(), bounded.height()}))
            this->report(property, revision);
    }

    void setMinimum(QtProperty *property, const Size &size)
    {
        const auto it = this->values.find(property);
        if (it == this->values.end() || it.value().minVal == size)
            return;
        const Size oldVal = it.value().val;
        it.value().setMinimumValue(size);
        applyRange(property, oldVal);
    }

    void setMaximum(QtProperty *property, const Size &size)
    {
        const auto it = this->values.find(property);
        if (it == this->values.end() || it.value().maxVal == size)
            return;
        const Size oldVal = it.value().val;
        it.value().setMaximumValue(size);
        applyRange(property, oldVal);
    }

    void setRange(QtProperty *property, const Size &minimum, const Size &maximum)
    {
        const auto it = this->values.find(property);
        if (it == this->values.end())
            return;
        // Each component is put in order on its own.
        const Size fromSize(qMin(minimum.width(), maximum.width()),
                            qMin(minimum.height(), maximum.height()));
        const Size toSize(qMax(minimum.width(), maximum.width()),
                          qMax(minimum.height(), maximum.height()));
        if (it.value().minVal == fromSize && it.value().maxVal == toSize)
            return;
        const Size oldVal = it.value().val;
        it.value().setMinimumValue(fromSize);
        it.value().setMaximumValue(toSize);
        applyRange(property, oldVal);
    }

    void componentChanged(QtProperty *component, Number number)
    {
        int role = 0;
        QtProperty *property = this->components.owner(component, &role);
        if (!property)
            return;
        Size val = this->value(property);
        if (role == Width)
            val.setWidth(number);
        else
            val.setHeight(number);
        setValue(property, val);
    }

    QString valueText(const QtProperty *property, const QString &pattern) const
    {
        const auto it = this->values.constFind(property);
        if (it == this->values.constEnd())
            return QString();
        const Size &val = it.value().val;
        return pattern.arg(number(val.width(), it.value().decimals))
            .arg(number(val.height(), it.value().decimals));
    }

private:
    static Data invalidData()
    {
        Data data;
        data.minVal = data.maxVal = data.val = Size();
        return data;
    }

    static Number bound(Number n, Number minimum, Number maximum)
    {
        return n < minimum ? minimum : (n > maximum ? maximum : n);
    }

    static QString number(int n, int) { return QString::number(n); }
    static QString number(double n, int decimals) { return QString::number(n, 'f', decimals); }

    // Reports the range stored just now, gives it to the components with the value, and
    // reports the value when it moved.
    void applyRange(QtProperty *property, const Size &oldVal)
    {
        const int revision = ++this->values[property].revision;
        const Data data = this->values.value(property);
        emit this->q->rangeChanged(property, data.minVal, data.maxVal);
        const Number borders[RoleCount][2] = {{data.minVal.width(), data.maxVal.width()},
                                              {data.minVal.height(), data.maxVal.height()}};
        const Number numbers[RoleCount] = {data.val.width(), data.val.height()};
        for (int role = 0; role < RoleCount; ++role) {
            if (!this->current(property, revision))
                return;
            QtProperty *component = this->components.component(role, property);
            if (!component)
                continue;
            this->subManager->setRange(component, borders[role][0], borders[role][1]);
            if (!this->current(property, revision))
                return;
            this->subManager->setValue(component, numbers[role]);
        }
        if (!(data.val == oldVal))
            this->report(property, revision);
    }
};

#endif // QTSIZEVALUES_H
