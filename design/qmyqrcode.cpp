#include "qmyqrcode.h"

#include <QPaintEvent>

QMyQRCode::QMyQRCode(int id, int typeCode, const QString &typeName, QWidget *parent)
    : QMyWidget(id, typeCode, typeName, parent)
{
    setW(53);
    setH(53);
    setFontColor(QColor(0, 0, 0));
    setBackground1(QColor(255, 255, 255));
    setText(QStringLiteral("https://www.example.com"));
    setLongTextLen(getText().toUtf8().size());
}

void QMyQRCode::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
}
