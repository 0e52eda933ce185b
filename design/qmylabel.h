#ifndef QMYLABEL_H
#define QMYLABEL_H

#include "qmywidget.h"

// A label: background and text.
class QMyLabel : public QMyWidget
{
    Q_OBJECT

public:
    QMyLabel(int id, WidgetType type, const QString &typeName, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // QMYLABEL_H
