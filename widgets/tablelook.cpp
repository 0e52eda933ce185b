#include "tablelook.h"

#include "qmycheckcolumndelegate.h"

#include <QHeaderView>
#include <QTableView>

void TableLook::apply(QTableView *view, int rowHeight)
{
    QHeaderView *header = view->horizontalHeader();
    header->setSectionsClickable(false);
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setSortIndicatorShown(false);
    header->setStretchLastSection(true);
    header->setMinimumHeight(30);
    view->setFocusPolicy(Qt::NoFocus);
    view->setSortingEnabled(false);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    if (rowHeight > 0)
        view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->setShowGrid(true);
    // The tables' click handlers toggle a row's check themselves.
    if (!qobject_cast<QMyCheckColumnDelegate *>(view->itemDelegate()))
        view->setItemDelegate(new QMyCheckColumnDelegate(view));
}

void TableLook::fitHeaders(QTableView *view)
{
    QHeaderView *header = view->horizontalHeader();
    for (int column = 0; column < header->count(); ++column) {
        if (header->isSectionHidden(column))
            continue;
        const int needed = header->sectionSizeHint(column);
        if (header->sectionSize(column) < needed)
            header->resizeSection(column, needed);
    }
}
