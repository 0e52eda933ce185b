#include "qmypushbutton.h"

#include <QPaintEvent>

QMyPushButton::QMyPushButton(int id, int typeCode, const QString &typeName, QWidget *parent)
    : QMyWidget(id, typeCode, typeName, parent)
{
    setText(tr("按键"));
    setLongTextMode(2);
}

void QMyPushButton::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
}
