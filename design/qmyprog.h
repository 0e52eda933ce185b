#ifndef QMYPROG_H
#define QMYPROG_H

#include "qmywidget.h"

// A progress bar.
class QMyProg : public QMyWidget
{
    Q_OBJECT

public:
    QMyProg(int id, WidgetType type, const QString &typeName, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // QMYPROG_H
