#include "qmyprog.h"

#include <QPaintEvent>

QMyProg::QMyProg(int id, int typeCode, const QString &typeName, QWidget *parent)
    : QMyWidget(id, typeCode, typeName, parent)
{
    setProgValue(20);
}

void QMyProg::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
}
