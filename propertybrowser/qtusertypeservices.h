#ifndef QTUSERTYPESERVICES_H
#define QTUSERTYPESERVICES_H

#include <QColor>

#include <functional>

class QString;
class QWidget;

// What the program's own row types need of the program. The panel that creates their
// factories hands these in, so the toolkit itself knows nothing of the program; a service
// left empty behaves as if there were nothing to offer.
struct QtUserTypeServices
{
    // The picture selected in the image library, -1 when none is.
    std::function<int()> selectedImage;
    // Shows a notice on behalf of an editor.
    std::function<void(QWidget *editor, const QString &text)> notice;
    // Runs the colour-table picker opened on an entry; true, with the entry chosen, when
    // the user accepted it.
    std::function<bool(int current, int *chosen)> pickColor;
    // The colour of a table entry; an invalid colour for a number outside the table.
    std::function<QColor(int index)> tableColor;
};

#endif // QTUSERTYPESERVICES_H
