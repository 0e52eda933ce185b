#include "tablelook.h"

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
}
