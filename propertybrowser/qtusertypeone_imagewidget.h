#ifndef QTUSERTYPEONE_IMAGEWIDGET_H
#define QTUSERTYPEONE_IMAGEWIDGET_H

#include "qtusertypeeditor.h"

// The editor of image rows: the image number, "设置" to take the image selected in the
// library and "移除" to clear it.
class QtUserTypeOne_ImageWidget : public QtUserTypeEditor
{
    Q_OBJECT
public:
    explicit QtUserTypeOne_ImageWidget(QWidget *parent = nullptr);

private slots:
    void btnAddClicked();
    void btnRemoveClicked();
};

#endif // QTUSERTYPEONE_IMAGEWIDGET_H
