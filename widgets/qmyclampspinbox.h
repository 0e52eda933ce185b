#ifndef QMYCLAMPSPINBOX_H
#define QMYCLAMPSPINBOX_H

#include <QSpinBox>

// A spin box that takes a typed number beyond its range and, when the editing ends, shows
// the nearest bound in its place; a plain spin box drops the keystroke that leaves the range
// without a word (150 typed into 0..100 becomes 15).
class QMyClampSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit QMyClampSpinBox(QWidget *parent = nullptr);

    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

private:
    // The text without prefix, suffix and surrounding blanks.
    QString numberText(const QString &input) const;
    // True when the text is a whole number outside the range; *bound is the nearest bound.
    bool beyondRange(const QString &input, int *bound) const;
};

#endif // QMYCLAMPSPINBOX_H
