#include "qtbooledit.h"

#include "qtpropertybrowserutils.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>

QtBoolEdit::QtBoolEdit(QWidget *parent)
    : QWidget(parent)
    , m_checkBox(new QCheckBox(this))
{
    auto *layout = QtPropertyBrowserUtils::editorLayout(this);
    layout->addWidget(m_checkBox);
    connect(m_checkBox, &QCheckBox::toggled, this, &QtBoolEdit::toggled);
    setFocusProxy(m_checkBox);
    m_checkBox->installEventFilter(this);
    m_checkBox->setText(tr("True"));
}

bool QtBoolEdit::isChecked() const
{
    return m_checkBox->isChecked();
}

void QtBoolEdit::setChecked(bool checked)
{
    m_checkBox->setChecked(checked);
    m_checkBox->setText(checked ? tr("True") : tr("False"));
}

bool QtBoolEdit::blockCheckBoxSignals(bool block)
{
    return m_checkBox->blockSignals(block);
}

void QtBoolEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton) {
        // A click anywhere in the cell toggles the value.
        m_checkBox->click();
        event->accept();
    } else {
        QWidget::mousePressEvent(event);
    }
}

bool QtBoolEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_checkBox && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            // A check box sends the focus to the window's next or previous widget; in a
            // cell the arrows go on to the view, which moves between rows.
            event->ignore();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
