#ifndef QMYIMG_H
#define QMYIMG_H

#include "qmywidget.h"

// An image widget: the background picture.
class QMyImg : public QMyWidget
{
    Q_OBJECT

public:
    QMyImg(int id, WidgetType type, const QString &typeName, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // QMYIMG_H
