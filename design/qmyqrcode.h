#ifndef QMYQRCODE_H
#define QMYQRCODE_H

#include "qmywidget.h"

// A QR code of the widget's text.
class QMyQRCode : public QMyWidget
{
public:
    QMyQRCode(int id, WidgetType type, const QString &typeName, QWidget *parent);

    void refreshComputedValues() override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // QMYQRCODE_H
