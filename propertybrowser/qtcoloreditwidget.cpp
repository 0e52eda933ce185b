#include "qtcoloreditwidget.h"

#include "qtpropertybrowserutils.h"

#include <QColorDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QToolButton>

QtColorEditWidget::QtColorEditWidget(QWidget *parent)
    : QWidget(parent)
    , m_swatchLabel(new QLabel)
    , m_textLabel(new QLabel)
    , m_button(new QToolButton)
{
    auto *layout = QtPropertyBrowserUtils::editorLayout(this);
    layout->setSpacing(0);
    layout->addWidget(m_swatchLabel);
    layout->addWidget(m_textLabel);
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Ignored));
    layout->addWidget(m_button);

    m_button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    m_button->setFixedWidth(20);
    setFocusProxy(m_button);
    setFocusPolicy(m_button->focusPolicy());
    m_button->setText(tr("..."));
    m_button->installEventFilter(this);
    connect(m_button, &QToolButton::clicked, this, &QtColorEditWidget::buttonClicked);

    m_swatchLabel->setPixmap(QtPropertyBrowserUtils::brushValuePixmap(QBrush(m_color)));
    m_textLabel->setText(QtPropertyBrowserUtils::colorValueText(m_color));
}

void QtColorEditWidget::setValue(const QColor &value)
{
    if (m_color == value)
        return;
    m_color = value;
    m_swatchLabel->setPixmap(QtPropertyBrowserUtils::brushValuePixmap(QBrush(m_color)));
    m_textLabel->setText(QtPropertyBrowserUtils::colorValueText(m_color));
}

void QtColorEditWidget::buttonClicked()
{
    // The sheet may be rebuilt while the dialog runs; the editor may then be gone.
    QPointer<QtColorEditWidget> self(this);
    QPointer<QColorDialog> dialog = new QColorDialog(m_color, this);
    dialog->setWindowTitle(QString());
    dialog->setOption(QColorDialog::ShowAlphaChannel);
    const int result = dialog->exec();
    if (!self || !dialog)
        return;
    const QColor chosen = result == QDialog::Accepted ? dialog->selectedColor() : QColor();
    delete dialog;
    if (chosen.isValid() && chosen != m_color) {
        setValue(chosen);
        emit valueChanged(m_color);
    }
}

bool QtColorEditWidget::eventFilter(QObject *object, QEvent *event)
{
    if (object == m_button
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Enter:
        case Qt::Key_Return:
            // Let the browser end or commit the edit.
            event->ignore();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(object, event);
}
