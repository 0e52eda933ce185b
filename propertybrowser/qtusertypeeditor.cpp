#include "qtusertypeeditor.h"

#include "qtpropertybrowserutils.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

QtUserTypeEditor::QtUserTypeEditor(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel)
{
    QHBoxLayout *layout = QtPropertyBrowserUtils::editorLayout(this);
    layout->setSpacing(0);
    layout->addWidget(m_label);
}

QPushButton *QtUserTypeEditor::addButton(const QString &text, int width)
{
    auto *button = new QPushButton;
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    button->setFixedWidth(width);
    setFocusProxy(button);
    setFocusPolicy(button->focusPolicy());
    button->setText(text);
    button->setStyleSheet("font-size:12px;");
    layout()->addWidget(button);
    return button;
}

void QtUserTypeEditor::setValue(const QString &value)
{
    if (m_value == value)
        return;
    m_value = value;
    decorateLabel(value);
    m_label->setText(value);
}

void QtUserTypeEditor::choose(const QString &value)
{
    if (value == m_value)
        return;
    setValue(value);
    emit valueChanged(m_value);
}
