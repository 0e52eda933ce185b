#ifndef QTRECTVALUES_H
#define QTRECTVALUES_H

#include "qtuniformcompoundvalues.h"

#include <QRect>
#include <QRectF>
#include <limits>
#include <type_traits>

// A rectangle as its left, top, width and height, worked on in numbers wide enough that
// no step overflows: 64 bits for QRect, whose right edge x + width - 1 may leave int.
template<class Number> struct QtRectBox
{
    Number x = 0;
    Number y = 0;
    Number width = 0;
    Number height = 0;

    bool isNull() const { return width == 0 && height == 0; }

    QtRectBox normalized() const
    {
        QtRectBox box = *this;
        if (box.width < 0) {
            box.x += box.width;
            box.width = -box.width;
        }
        if (box.height < 0) {
            box.y += box.height;
            box.height = -box.height;
        }
        return box;
    }

    // The overlap with another box; a negative width or height when there is none.
    QtRectBox intersected(const QtRectBox &other) const
    {
        QtRectBox box;
        box.x = qMax(x, other.x);
        box.y = qMax(y, other.y);
        box.width = qMin(x + width, other.x + other.width) - box.x;
        box.height = qMin(y + height, other.y + other.height) - box.y;
        return box;
    }
};

template<class Rect> struct QtRectGeometry;

template<> struct QtRectGeometry<QRect>
{
    using Number = qint64;
    using Component = int;

    // Reads the edges only: width() of a rectangle from outside may overflow.
    static QtRectBox<Number> box(const QRect &rect)
    {
        QtRectBox<Number> box;
        box.x = rect.left();
        box.y = rect.top();
        box.width = Number(rect.right()) - rect.left() + 1;
        box.height = Number(rect.bottom()) - rect.top() + 1;
        return box;
    }

    // False for a box that QRect cannot hold with a width and height it can compute.
    static bool toRect(const QtRectBox<Number> &box, QRect *rect)
    {
        const Number low = std::numeric_limits<int>::min();
        const Number high = std::numeric_limits<int>::max();
        const auto fits = [low, high](Number n) { return n >= low && n <= high; };
        if (box.width < 0 || box.width > high || box.height < 0 || box.height > high || !fits(box.x)
            || !fits(box.y) || !fits(box.x + box.width - 1) || !fits(box.y + box.height - 1))
            return false;
        *rect = QRect(QPoint(int(box.x), int(box.y)),
                      QPoint(int(box.x + box.width - 1), int(box.y + box.height - 1)));
        return true;
    }

    static Component bounded(Number n)
    {
        return Component(qBound(Number(std::numeric_limits<int>::min()), n,
                                Number(std::numeric_limits<int>::max())));
    }

    static Component lowest() { return std::numeric_limits<int>::min(); }
    static Component highest() { return std::numeric_limits<int>::max(); }
};

template<> struct QtRectGeometry<QRectF>
{
    using Number = qreal;
    using Component = qreal;

    static QtRectBox<Number> box(const QRectF &rect)
    {
        QtRectBox<Number> box;
        box.x = rect.x();
        box.y = rect.y();
        box.width = rect.width();
        box.height = rect.height();
        return box;
    }

    static bool toRect(const QtRectBox<Number> &box, QRectF *rect)
    {
        *rect = QRectF(box.x, box.y, box.width, box.height);
        return true;
    }

    // The component ranges are single-precision numbers; the conversion is kept defined.
    static Component bounded(Number n)
    {
        const Number limit = std::numeric_limits<float>::max();
        return Component(float(qBound(-limit, n, limit)));
    }

    static Component lowest() { return -std::numeric_limits<float>::max(); }
    static Component highest() { return std::numeric_limits<float>::max(); }
};

template<class Rect> struct QtRectData
{
    Rect val = Rect(0, 0, 0, 0);
    Rect constraint;
    int decimals = 2;
    int revision = 0;
};

// The shared rules of the rectangle managers: X, Y, Width and Height rows of the
// sub-manager, and a constraint inside which the rectangle must lie; Rect is QRect or QRectF.
template<class Manager, class SubManager, class Rect>
class QtRectValues : public QtUniformCompoundValues<Manager, SubManager, QtRectData<Rect>>
{
public:
    enum Role { X, Y, Width, Height, RoleCount };
    using Data = QtRectData<Rect>;
    using Geometry = QtRectGeometry<Rect>;
    using Box = QtRectBox<typename Geometry::Number>;
    using Component = typename Geometry::Component;

    explicit QtRectValues(Manager *manager)
        : QtUniformCompoundValues<Manager, SubManager, Data>(manager, RoleCount)
    { }

    Rect constraint(const QtProperty *property) const
    {
        return this->values.value(property).constraint;
    }

    void initialize(QtProperty *property, const QStringList &names)
    {
        this->values[property] = Data();
        const int decimals = this->values[property].decimals;
        this->addComponents(property, names, [this, decimals](int role, QtProperty *component) {
            if constexpr (std::is_same<Component, double>::value)
                this->subManager->setDecimals(component, decimals);
            this->subManager->setValue(component, 0);
            if (role == Width || role == Height)
                this->subManager->setMinimum(component, 0);
            else if constexpr (std::is_same<Component, int>::value)
                // The whole int range, so that a rectangle at its lowest left can be shown.
                this->subManager->setRange(component, Geometry::lowest(), Geometry::highest());
        });
    }

    // False when the value was refused: no overlap with the constraint, or not
    // representable.
    bool setValue(QtProperty *property, const Rect &rect)
    {
        return setBox(property, Geometry::box(rect));
    }

    void setConstraint(QtProperty *property, const Rect &rect)
    {
        const auto it = this->values.find(property);
        if (it == this->values.end())
            return;
        const Box constraintBox = Geometry::box(rect).normalized();
        Rect constraint;
        if (!Geometry::toRect(constraintBox, &constraint) || constraint == it.value().constraint)
            return;
        const Rect oldVal = it.value().val;
        it.value().constraint = constraint;
        if (!constraintBox.isNull()) {
            Box box = Geometry::box(oldVal);
            box.width = qMin(box.width, constraintBox.width);
            box.height = qMin(box.height, constraintBox.height);
            if (box.x < constraintBox.x)
                box.x = constraintBox.x;
            else if (box.x + box.width > constraintBox.x + constraintBox.width)
                box.x = constraintBox.x + constraintBox.width - box.width;
            if (box.y < constraintBox.y)
                box.y = constraintBox.y;
            else if (box.y + box.height > constraintBox.y + constraintBox.height)
                box.y = constraintBox.y + constraintBox.height - box.height;
            Geometry::toRect(box, &it.value().val);
        }
        const int revision = ++it.value().revision;
        emit this->q->constraintChanged(property, constraint);
        if (!this->current(property, revision))
            return;

        Component borders[RoleCount][2];
        if (constraintBox.isNull()) {
            borders[X][0] = borders[Y][0] = Geometry::lowest();
            borders[X][1] = borders[Y][1] = borders[Width][1] = borders[Height][1] =
                Geometry::highest();
            borders[Width][0] = borders[Height][0] = 0;
        } else {
            const Box &c = constraintBox;
            borders[X][0] = Geometry::bounded(c.x);
            borders[X][1] = Geometry::bounded(c.x + c.width);
            borders[Y][0] = Geometry::bounded(c.y);
            borders[Y][1] = Geometry::bounded(c.y + c.height);
            borders[Width][0] = borders[Height][0] = 0;
            borders[Width][1] = Geometry::bounded(c.width);
            borders[Height][1] = Geometry::bounded(c.height);
        }
        // A component clamped into its new range must not move the rectangle: the value
        // pushed down next is the one the constraint left.
        const bool wasAdjusting = adjustingRanges;
        adjustingRanges = true;
        for (int role = 0; role < RoleCount; ++role) {
            if (!this->current(property, revision))
                break;
            if (QtProperty *component = this->components.component(role, property))
                this->subManager->setRange(component, borders[role][0], borders[role][1]);
        }
        adjustingRanges = wasAdjusting;
        if (!pushDownBox(property, revision))
            return;
        if (!(this->value(property) == oldVal))
            this->report(property, revision);
    }

    void componentChanged(QtProperty *component, Component number)
    {
        if (adjustingRanges)
            return;
        int role = 0;
        QtProperty *property = this->components.owner(component, &role);
        if (!property)
            return;
        const Data data = this->values.value(property);
        Box box = Geometry::box(data.val);
        const Box constraintBox = Geometry::box(data.constraint);
        switch (role) {
        case X:
            box.x = number;
            break;
        case Y:
            box.y = number;
            break;
        case Width:
            box.width = number;
            // A wider rectangle moves left rather than leave its constraint.
            if (!constraintBox.isNull()
                && box.x + box.width > constraintBox.x + constraintBox.width)
                box.x = constraintBox.x + constraintBox.width - box.width;
            break;
        default:
            box.height = number;
            if (!constraintBox.isNull()
                && box.y + box.height > constraintBox.y + constraintBox.height)
                box.y = constraintBox.y + constraintBox.height - box.height;
            break;
        }
        // A refused edit puts the rows back to the rectangle that stays.
        if (!setBox(property, box) && this->q->ownsProperty(property))
            pushDownBox(property, this->revision(property));
    }

    QString valueText(const QtProperty *property, const QString &pattern) const
    {
        const auto it = this->values.constFind(property);
        if (it == this->values.constEnd())
            return QString();
        const Box box = Geometry::box(it.value().val);
        const int decimals = it.value().decimals;
        return pattern.arg(number(box.x, decimals))
            .arg(number(box.y, decimals))
            .arg(number(box.width, decimals))
            .arg(number(box.height, decimals));
    }

private:
    static QString number(qint64 n, int) { return QString::number(n); }
    static QString number(double n, int decimals) { return QString::number(n, 'f', decimals); }

    bool setBox(QtProperty *property, const Box &given)
    {
        const auto it = this->values.constFind(property);
        if (it == this->values.constEnd())
            return false;
        Box box = given.normalized();
        const Box constraintBox = Geometry::box(it.value().constraint);
        if (!constraintBox.isNull()) {
            box = box.intersected(constraintBox);
            if (box.width < 0 || box.height < 0)
                return false;
        }
        Rect rect;
        if (!Geometry::toRect(box, &rect))
            return false;
        if (rect == it.value().val)
            return true;
        const int revision = this->store(property, rect);
        if (pushDownBox(property, revision))
            this->report(property, revision);
        return true;
    }

    bool pushDownBox(QtProperty *property, int revision)
    {
        const Box box = Geometry::box(this->value(property));
        return this->pushDown(
            property, revision,
            {Component(box.x), Component(box.y), Component(box.width), Component(box.height)});
    }

    bool adjustingRanges = false;
};

#endif // QTRECTVALUES_H
