#ifndef TABLELOOK_H
#define TABLELOOK_H

class QTableView;

// The look the program's list tables share: centred, fixed headers, whole-row single
// selection, no editing, alternating rows with a grid.
class TableLook
{
public:
    // rowHeight 0 keeps the default row height.
    static void apply(QTableView *view, int rowHeight = 0);
};

#endif // TABLELOOK_H
