#ifndef QMYARC_H
#define QMYARC_H

#include "qmywidget.h"

// An arc gauge: track, value arc and knob.
class QMyArc : public QMyWidget
{
    Q_OBJECT

public:
    QMyArc(int id, int typeCode, const QString &typeName, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // QMYARC_H
