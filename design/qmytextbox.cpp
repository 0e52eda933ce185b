#include "qmytextbox.h"

#include <QPaintEvent>

QMyTextBox::QMyTextBox(int id, int typeCode, const QString &typeName, QWidget *parent)
    : QMyWidget(id, typeCode, typeName, parent)
{
    setText(tr("文本"));
    setSignalMode(1);
}

void QMyTextBox::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
}
