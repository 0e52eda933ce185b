#include "qtfonteditwidget.h"

#include "qtpropertybrowserutils.h"

#include <QFontDialog>
#include <QLabel>
#include <QToolButton>

QtFontEditWidget::QtFontEditWidget(QWidget *parent)
    : QWidget(parent)
    , m_swatchLabel(new QLabel)
    , m_textLabel(new QLabel)
    , m_button(new QToolButton)
{
    QtPropertyBrowserUtils::setUpButtonRow(this, m_swatchLabel, m_textLabel, m_button);
    m_button->setText(tr("..."));
    connect(m_button, &QToolButton::clicked, this, &QtFontEditWidget::buttonClicked);

    m_swatchLabel->setPixmap(QtPropertyBrowserUtils::fontValuePixmap(m_font));
    m_textLabel->setText(QtPropertyBrowserUtils::fontValueText(m_font));
}

void QtFontEditWidget::setValue(const QFont &value)
{
    if (m_font == value)
        return;
    m_font = value;
    m_swatchLabel->setPixmap(QtPropertyBrowserUtils::fontValuePixmap(m_font));
    m_textLabel->setText(QtPropertyBrowserUtils::fontValueText(m_font));
}

void QtFontEditWidget::buttonClicked()
{
    auto *dialog = new QFontDialog(m_font, this);
    dialog->setWindowTitle(tr("Select Font"));
    if (!QtPropertyBrowserUtils::execEditorDialog(this, dialog))
        return;
    const QFont chosen = dialog->selectedFont();
    delete dialog;
    if (chosen == m_font)
        return;

    // Only what the dialog offers is taken; the font's other settings stay.
    QFont font = m_font;
    if (chosen.family() != font.family())
        font.setFamily(chosen.family());
    if (chosen.pointSize() != font.pointSize())
        font.setPointSize(chosen.pointSize());
    const bool bold = chosen.weight() > 57;
    if (bold != (font.weight() > 57))
        font.setWeight(bold ? QFont::Bold : QFont::Normal);
    if (chosen.italic() != font.italic())
        font.setStyle(chosen.italic() ? QFont::StyleItalic : QFont::StyleNormal);
    if (chosen.underline() != font.underline())
        font.setUnderline(chosen.underline());
    if (chosen.strikeOut() != font.strikeOut())
        font.setStrikeOut(chosen.strikeOut());
    setValue(font);
    emit valueChanged(m_font);
}

bool QtFontEditWidget::eventFilter(QObject *object, QEvent *event)
{
    // Let the browser end or commit the edit.
    if (object == m_button && QtPropertyBrowserUtils::isEditKeyOfButton(event))
        return true;
    return QWidget::eventFilter(object, event);
}
