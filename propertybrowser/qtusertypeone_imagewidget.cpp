#include "qtusertypeone_imagewidget.h"

#include "designglobals.h"
#include "qmymessagebox.h"
#include "qtpropertybrowserutils.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

QtUserTypeOne_ImageWidget::QtUserTypeOne_ImageWidget(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel)
    , m_btnAdd(new QPushButton)
    , m_btnRemove(new QPushButton)
{
    auto *layout = QtPropertyBrowserUtils::editorLayout(this);
    layout->setSpacing(0);

    m_label->setText(QString());
    layout->addWidget(m_label);

    const QList<QPair<QPushButton *, QString>> buttons {{m_btnAdd, tr("设置")},
                                                        {m_btnRemove, tr("移除")}};
    for (const auto &button : buttons) {
        button.first->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
        button.first->setFixedWidth(40);
        setFocusProxy(button.first);
        setFocusPolicy(button.first->focusPolicy());
        button.first->setText(button.second);
        button.first->setStyleSheet("font-size:12px;");
        layout->addWidget(button.first);
    }
    connect(m_btnAdd, &QPushButton::clicked, this, &QtUserTypeOne_ImageWidget::btnAddClicked);
    connect(m_btnRemove, &QPushButton::clicked, this, &QtUserTypeOne_ImageWidget::btnRemoveClicked);

    m_messageBox = new QMyMessageBox;
}

QtUserTypeOne_ImageWidget::~QtUserTypeOne_ImageWidget()
{
    delete m_messageBox;
}

void QtUserTypeOne_ImageWidget::setValue(const QString &value)
{
    if (m_value == value)
        return;
    m_value = value;
    m_label->setText(value);
}

void QtUserTypeOne_ImageWidget::btnAddClicked()
{
    if (currentImageRow <= -1) {
        // Without a selected image the row keeps what it holds.
        m_messageBox->showNotice(QMyMessageBox::Information,
                                 tr("未选择图片，请您在图库中选择一张图片！"));
        return;
    }
    const QString newValue = QString("%1").arg(currentImageRow);
    if (newValue != m_value) {
        setValue(newValue);
        emit valueChanged(m_value);
    }
}

void QtUserTypeOne_ImageWidget::btnRemoveClicked()
{
    if (m_value.isEmpty())
        return;
    setValue(QString());
    emit valueChanged(QString());
}
