#include "qtboolpropertymanager.h"

#include "qtproperty.h"

#include <QApplication>
#include <QMap>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionButton>

namespace {
QIcon drawCheckBox(bool checked)
{
    QStyleOptionButton option;
    option.state |= checked ? QStyle::State_On : QStyle::State_Off;
    option.state |= QStyle::State_Enabled;
    const QStyle *style = QApplication::style();
    const int w = style->pixelMetric(QStyle::PM_IndicatorWidth, &option);
    const int h = style->pixelMetric(QStyle::PM_IndicatorHeight, &option);
    option.rect = QRect(0, 0, w, h);
    QPixmap pixmap(w, qMax(w, h));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        if (pixmap.height() > h)
            painter.translate(0, (pixmap.height() - h) / 2);
        style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter);
    }
    return QIcon(pixmap);
}
} // namespace

class QtBoolPropertyManagerPrivate
{
public:
    QtBoolPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, bool> values;
    QIcon checkedIcon;
    QIcon uncheckedIcon;
};

QtBoolPropertyManager::QtBoolPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent)
    , d_ptr(new QtBoolPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->checkedIcon = drawCheckBox(true);
    d_ptr->uncheckedIcon = drawCheckBox(false);
}

QtBoolPropertyManager::~QtBoolPropertyManager()
{
    clear();
    delete d_ptr;
}

bool QtBoolPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property, false);
}

QString QtBoolPropertyManager::valueText(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    // Each text is translated once, at its first use.
    static const QString trueText = tr("True");
    static const QString falseText = tr("False");
    return it.value() ? trueText : falseText;
}

QIcon QtBoolPropertyManager::valueIcon(const QtProperty *property) const
{
    const auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QIcon();
    return it.value() ? d_ptr->checkedIcon : d_ptr->uncheckedIcon;
}

void QtBoolPropertyManager::setValue(QtProperty *property, bool val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it.value() == val)
        return;
    it.value() = val;
    emit propertyChanged(property);
    if (ownsProperty(property))
        emit valueChanged(property, val);
}

void QtBoolPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = false;
}

void QtBoolPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
