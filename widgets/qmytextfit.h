#ifndef QMYTEXTFIT_H
#define QMYTEXTFIT_H

class QAbstractButton;
class QWidget;

// Buttons of a fixed size whose text is longer in one language than in the other: the
// font is made smaller, never below a readable size, until the whole text shows.
class QMyTextFit
{
public:
    // Every button under root that keeps the size its form gives it.
    static void fitButtons(QWidget *root);
    // The button's text fits, in the style sheet's font or a smaller one.
    static void fit(QAbstractButton *button);
    static bool fits(const QAbstractButton *button);

    static constexpr int MinimumPixelSize = 9;
};

#endif // QMYTEXTFIT_H
