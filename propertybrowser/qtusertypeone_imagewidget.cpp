#include "qtusertypeone_imagewidget.h"

#include <QPushButton>

QtUserTypeOne_ImageWidget::QtUserTypeOne_ImageWidget(QWidget *parent)
    : QtUserTypeEditor(parent)
{
    connect(addButton(tr("设置"), 40), &QPushButton::clicked, this,
            &QtUserTypeOne_ImageWidget::btnAddClicked);
    connect(addButton(tr("移除"), 40), &QPushButton::clicked, this,
            &QtUserTypeOne_ImageWidget::btnRemoveClicked);
}

void QtUserTypeOne_ImageWidget::btnAddClicked()
{
    const int row = services().selectedImage ? services().selectedImage() : -1;
    if (row <= -1) {
        // Without a selected image the row keeps what it holds.
        if (services().notice)
            services().notice(this, tr("未选择图片，请您在图库中选择一张图片！"));
        return;
    }
    choose(QString("%1").arg(row));
}

void QtUserTypeOne_ImageWidget::btnRemoveClicked()
{
    choose(QString());
}
