#ifndef TABLELOOK_H
#define TABLELOOK_H

class QTableView;

// The look the program's list tables share: centred, fixed headers, whole-row single
// selection, no editing, alternating rows with a grid, and a check column that only the
// table's click handler toggles.
class TableLook
{
public:
    // rowHeight 0 keeps the default row height.
    static void apply(QTableView *view, int rowHeight = 0);
    // Widens each shown column whose header text needs more room than it has, so that no
    // header is cut short in either language; call it after the headers are set.
    static void fitHeaders(QTableView *view);
};

#endif // TABLELOOK_H
