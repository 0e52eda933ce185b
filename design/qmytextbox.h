#ifndef QMYTEXTBOX_H
#define QMYTEXTBOX_H

#include "qmywidget.h"

// A text box the module lets the user type into.
class QMyTextBox : public QMyWidget
{
    Q_OBJECT

public:
    QMyTextBox(int id, int typeCode, const QString &typeName, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // QMYTEXTBOX_H
