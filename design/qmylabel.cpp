#include "qmylabel.h"

#include <QPaintEvent>

QMyLabel::QMyLabel(int id, int typeCode, const QString &typeName, QWidget *parent)
    : QMyWidget(id, typeCode, typeName, parent)
{
    setText(tr("标签"));
    setLongTextMode(2);
}

void QMyLabel::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
}
