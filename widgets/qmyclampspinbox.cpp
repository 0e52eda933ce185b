#include "qmyclampspinbox.h"

QMyClampSpinBox::QMyClampSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QString QMyClampSpinBox::numberText(const QString &input) const
{
    QString text = input;
    if (!prefix().isEmpty() && text.startsWith(prefix()))
        text.remove(0, prefix().size());
    if (!suffix().isEmpty() && text.endsWith(suffix()))
        text.chop(suffix().size());
    return text.trimmed();
}

bool QMyClampSpinBox::beyondRange(const QString &input, int *bound) const
{
    const QString text = numberText(input);
    bool ok = false;
    const qlonglong number = locale().toLongLong(text, &ok);
    if (!ok || (number >= minimum() && number <= maximum()))
        return false;
    *bound = number < minimum() ? minimum() : maximum();
    return true;
}

QValidator::State QMyClampSpinBox::validate(QString &input, int &pos) const
{
    const QValidator::State state = QSpinBox::validate(input, pos);
    if (state != QValidator::Invalid)
        return state;
    // A sign may begin a number below the range as well.
    const QString text = numberText(input);
    int bound = 0;
    if (text == QLatin1String("-") || text == QLatin1String("+") || beyondRange(input, &bound))
        return QValidator::Intermediate;
    return state;
}

void QMyClampSpinBox::fixup(QString &input) const
{
    int bound = 0;
    if (beyondRange(input, &bound))
        input = prefix() + textFromValue(bound) + suffix();
    else
        QSpinBox::fixup(input);
}
