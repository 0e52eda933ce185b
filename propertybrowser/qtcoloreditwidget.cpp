#include "qtcoloreditwidget.h"

#include "qtpropertybrowserutils.h"

#include <QColorDialog>
#include <QLabel>
#include <QToolButton>

QtColorEditWidget::QtColorEditWidget(QWidget *parent)
    : QWidget(parent)
    , m_swatchLabel(new QLabel)
    , m_textLabel(new QLabel)
    , m_button(new QToolButton)
{
    QtPropertyBrowserUtils::setUpButtonRow(this, m_swatchLabel, m_textLabel, m_button);
    m_button->setText(tr("..."));
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
    auto *dialog = new QColorDialog(m_color, this);
    dialog->setWindowTitle(QString());
    dialog->setOption(QColorDialog::ShowAlphaChannel);
    if (!QtPropertyBrowserUtils::execEditorDialog(this, dialog))
        return;
    const QColor chosen = dialog->selectedColor();
    delete dialog;
    if (chosen.isValid() && chosen != m_color) {
        setValue(chosen);
        emit valueChanged(m_color);
    }
}

bool QtColorEditWidget::eventFilter(QObject *object, QEvent *event)
{
    // Let the browser end or commit the edit.
    if (object == m_button && QtPropertyBrowserUtils::isEditKeyOfButton(event))
        return true;
    return QWidget::eventFilter(object, event);
}
