#include "qtpropertyeditorview.h"

#include "qtbooledit.h"
#include "qtproperty.h"
#include "qttreepropertybrowserprivate.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

QtPropertyEditorView::QtPropertyEditorView(QWidget *parent)
    : QTreeWidget(parent)
{
    connect(header(), &QHeaderView::sectionDoubleClicked, this, &QTreeView::resizeColumnToContents);
}

void QtPropertyEditorView::setEditorPrivate(QtTreePropertyBrowserPrivate *editorPrivate)
{
    m_editorPrivate = editorPrivate;
}

void QtPropertyEditorView::drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    bool hasValue = true;
    if (m_editorPrivate) {
        if (QtProperty *property = m_editorPrivate->indexToProperty(index))
            hasValue = property->hasValue();
    }
    if (!hasValue && m_editorPrivate && m_editorPrivate->markPropertiesWithoutValue) {
        const QColor color = option.palette.color(QPalette::Dark);
        painter->fillRect(option.rect, color);
        opt.palette.setColor(QPalette::AlternateBase, color);
    } else if (m_editorPrivate) {
        const QColor color =
            m_editorPrivate->calculatedBackgroundColor(m_editorPrivate->indexToBrowserItem(index));
        if (color.isValid()) {
            painter->fillRect(option.rect, color);
            opt.palette.setColor(QPalette::AlternateBase, color.lighter(112));
        }
    }
    QTreeWidget::drawRow(painter, opt, index);
    const QColor gridColor =
        static_cast<QRgb>(QApplication::style()->styleHint(QStyle::SH_Table_GridLineColor, &opt));
    painter->save();
    painter->setPen(QPen(gridColor));
    painter->drawLine(opt.rect.x(), opt.rect.bottom(), opt.rect.right(), opt.rect.bottom());
    painter->restore();
}

// The tick box open on the row, if any: it takes the click or the Space that opened it,
// which otherwise only shows it and leaves the value as it was.
QtBoolEdit *QtPropertyEditorView::tickBoxOf(const QTreeWidgetItem *item) const
{
    if (!item || !m_editorPrivate || m_editorPrivate->editedItem() != item)
        return nullptr;
    return qobject_cast<QtBoolEdit *>(m_editorPrivate->editedWidget());
}

void QtPropertyEditorView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_editorPrivate && !m_editorPrivate->editedItem()) {
            if (QTreeWidgetItem *item = currentItem()) {
                if (item->columnCount() >= 2
                    && ((item->flags() & (Qt::ItemIsEditable | Qt::ItemIsEnabled))
                        == (Qt::ItemIsEditable | Qt::ItemIsEnabled))) {
                    event->accept();
                    QModelIndex index = currentIndex();
                    if (index.column() == 0) {
                        index = index.sibling(index.row(), 1);
                        setCurrentIndex(index);
                    }
                    edit(index);
                    if (event->key() == Qt::Key_Space) {
                        if (QtBoolEdit *tickBox = tickBoxOf(item))
                            tickBox->checkBox()->click();
                    }
                    return;
                }
            }
        } else if (event->key() == Qt::Key_Space) {
            // The row's tick box is open but the focus is on the view.
            if (QtBoolEdit *tickBox = tickBoxOf(currentItem())) {
                event->accept();
                tickBox->checkBox()->click();
                return;
            }
        }
        break;
    default:
        break;
    }
    QTreeWidget::keyPressEvent(event);
}

void QtPropertyEditorView::mousePressEvent(QMouseEvent *event)
{
    QTreeWidget::mousePressEvent(event);
    QTreeWidgetItem *item = itemAt(event->pos());
    if (!item || !m_editorPrivate)
        return;

    if (item != m_editorPrivate->editedItem() && event->button() == Qt::LeftButton
        && header()->logicalIndexAt(event->pos().x()) == 1
        && ((item->flags() & (Qt::ItemIsEditable | Qt::ItemIsEnabled))
            == (Qt::ItemIsEditable | Qt::ItemIsEnabled))) {
        // A single click on a value starts editing.
        editItem(item, 1);
        if (QtBoolEdit *tickBox = tickBoxOf(item))
            tickBox->checkBox()->click();
    } else if (!m_editorPrivate->hasValue(item) && m_editorPrivate->markPropertiesWithoutValue
               && !rootIsDecorated()) {
        if (event->pos().x() + header()->offset() < 20)
            item->setExpanded(!item->isExpanded());
    }
}
