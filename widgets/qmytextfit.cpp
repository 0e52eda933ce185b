#include "qmytextfit.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLayout>
#include <QVariant>

namespace {

// Set on a button whose style sheet this class wrote.
const char fittedProperty[] = "fittedFontSize";

// Border and padding of the style sheet's buttons on both sides.
constexpr int SideRoom = 8;

int textWidth(const QAbstractButton *button, const QFont &font)
{
    return QFontMetrics(font).horizontalAdvance(button->text().remove(QLatin1Char('&')));
}

// Whether the button's size is its own: placed by hand, or fixed in width.
bool keepsItsSize(const QAbstractButton *button)
{
    if (button->minimumWidth() > 0 && button->minimumWidth() == button->maximumWidth())
        return true;
    const QWidget *parent = button->parentWidget();
    return !parent || !parent->layout()
        || parent->layout()->indexOf(const_cast<QAbstractButton *>(button)) < 0;
}

} // namespace

void QMyTextFit::fitButtons(QWidget *root)
{
    for (QAbstractButton *button : root->findChildren<QAbstractButton *>()) {
        if (keepsItsSize(button))
            fit(button);
    }
}

bool QMyTextFit::fits(const QAbstractButton *button)
{
    return textWidth(button, button->font()) <= button->width() - SideRoom;
}

void QMyTextFit::fit(QAbstractButton *button)
{
    // A style sheet of the button's own (not written here) is left alone.
    const bool ours = button->property(fittedProperty).isValid();
    if (!ours && !button->styleSheet().isEmpty())
        return;
    if (ours) {
        button->setStyleSheet(QString());
        button->setProperty(fittedProperty, QVariant());
    }
    button->ensurePolished();
    if (button->text().isEmpty() || fits(button))
        return;

    QFont font = button->font();
    int size = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    const int available = button->width() - SideRoom;
    while (size > MinimumPixelSize) {
        --size;
        font.setPixelSize(size);
        if (textWidth(button, font) <= available)
            break;
    }
    button->setStyleSheet(QStringLiteral("font-size:%1px;").arg(size));
    button->setProperty(fittedProperty, size);
}
