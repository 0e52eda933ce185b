#ifndef QMYPUSHBUTTON_H
#define QMYPUSHBUTTON_H

#include "qmywidget.h"

// A button: a released, selected and pressed look and a caption.
class QMyPushButton : public QMyWidget
{
    Q_OBJECT

public:
    QMyPushButton(int id, WidgetType type, const QString &typeName, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // QMYPUSHBUTTON_H
