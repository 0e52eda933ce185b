#ifndef QMYARC_H
#define QMYARC_H

#include "drawgeometry.h"
#include "qmywidget.h"

// An arc gauge: track, value arc and knob.
class QMyArc : public QMyWidget
{
    Q_OBJECT

public:
    QMyArc(int id, WidgetType type, const QString &typeName, QWidget *parent);

    void refreshComputedValues() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DrawGeometry::ArcLayout layout() const;
    void storeLayout(const DrawGeometry::ArcLayout &l);
};

#endif // QMYARC_H
