#include "qmyimg.h"

#include <QPaintEvent>

QMyImg::QMyImg(int id, int typeCode, const QString &typeName, QWidget *parent)
    : QMyWidget(id, typeCode, typeName, parent)
{ }

void QMyImg::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
}
