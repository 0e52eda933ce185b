#include "qtusertypetwo_colorwidget.h"

#include "colordlg.h"
#include "designglobals.h"
#include "qtpropertybrowserutils.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

QtUserTypeTwo_ColorWidget::QtUserTypeTwo_ColorWidget(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel)
    , m_btnAdd(new QPushButton)
{
    auto *layout = QtPropertyBrowserUtils::editorLayout(this);
    layout->setSpacing(0);

    m_label->setText("0");
    layout->addWidget(m_label);

    m_btnAdd->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    m_btnAdd->setFixedWidth(50);
    setFocusProxy(m_btnAdd);
    setFocusPolicy(m_btnAdd->focusPolicy());
    m_btnAdd->setText(tr("设置"));
    connect(m_btnAdd, &QPushButton::clicked, this, &QtUserTypeTwo_ColorWidget::btnAddClicked);
    m_btnAdd->setStyleSheet("font-size:12px;");
    layout->addWidget(m_btnAdd);
}

int QtUserTypeTwo_ColorWidget::tableIndex(const QString &value)
{
    bool ok = false;
    const int index = value.toInt(&ok, 10);
    if (!ok)
        return 0;
    return index >= 0 && index < ColorTableSize ? index : -1;
}

void QtUserTypeTwo_ColorWidget::setValue(const QString &value)
{
    if (m_value == value)
        return;
    m_value = value;
    const int index = tableIndex(value);
    // A number outside the table shows without a colour instead of reading past it.
    if (index < 0) {
        m_label->setStyleSheet(QString());
    } else {
        const QColor color = colorTable[index];
        m_label->setStyleSheet(QString("background-color:rgb(%1,%2,%3);")
                                   .arg(color.red())
                                   .arg(color.green())
                                   .arg(color.blue()));
    }
    m_label->setText(value);
}

void QtUserTypeTwo_ColorWidget::btnAddClicked()
{
    // The sheet may be rebuilt while the picker runs; the editor may then be gone.
    QPointer<QtUserTypeTwo_ColorWidget> self(this);
    auto *dialog = new ColorDlg;
    const bool accepted = dialog->selectColor(qMax(0, tableIndex(m_value)));
    const int chosen = dialog->colorIndex();
    delete dialog;
    if (!accepted || !self)
        return;
    const QString newValue = QString("%1").arg(chosen);
    if (newValue != m_value) {
        setValue(newValue);
        emit valueChanged(m_value);
    }
}
