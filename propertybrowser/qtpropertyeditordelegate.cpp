#include "qtpropertyeditordelegate.h"

#include "qtproperty.h"
#include "qtpropertyeditorview.h"
#include "qttreepropertybrowserprivate.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>

QtPropertyEditorDelegate::QtPropertyEditorDelegate(QObject *parent)
    : QItemDelegate(parent)
{ }

void QtPropertyEditorDelegate::setEditorPrivate(QtTreePropertyBrowserPrivate *editorPrivate)
{
    m_editorPrivate = editorPrivate;
}

void QtPropertyEditorDelegate::closeEditorOfItem(QTreeWidgetItem *item)
{
    if (!item || item != m_editedItem)
        return;
    if (m_editedWidget) {
        // The view releases the editor when the row goes; nothing typed into it may reach
        // the row's manager on the way out.
        m_editedWidget->blockSignals(true);
        QtProperty *property = m_editorToProperty.take(m_editedWidget);
        m_propertyToEditor.remove(property);
    }
    m_editedItem = nullptr;
    m_editedWidget = nullptr;
}

QWidget *QtPropertyEditorDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                                const QModelIndex &index) const
{
    if (index.column() != 1 || !m_editorPrivate)
        return nullptr;
    QtProperty *property = m_editorPrivate->indexToProperty(index);
    QTreeWidgetItem *item = m_editorPrivate->indexToItemOf(index);
    if (!property || !item)
        return nullptr;
    QWidget *editor = m_editorPrivate->createEditor(property, parent);
    if (editor) {
        editor->setAutoFillBackground(true);
        editor->installEventFilter(const_cast<QtPropertyEditorDelegate *>(this));
        connect(editor, &QObject::destroyed, this, &QtPropertyEditorDelegate::slotEditorDestroyed);
        m_propertyToEditor[property] = editor;
        m_editorToProperty[editor] = property;
        m_editedItem = item;
        m_editedWidget = editor;
    }
    return editor;
}

void QtPropertyEditorDelegate::slotEditorDestroyed(QObject *object)
{
    // The editor is half destroyed: compare addresses only.
    for (auto it = m_editorToProperty.begin(); it != m_editorToProperty.end(); ++it) {
        if (static_cast<const void *>(it.key()) == static_cast<const void *>(object)) {
            m_propertyToEditor.remove(it.value());
            m_editorToProperty.erase(it);
            break;
        }
    }
    if (static_cast<const void *>(m_editedWidget) == static_cast<const void *>(object)) {
        m_editedWidget = nullptr;
        m_editedItem = nullptr;
    }
}

void QtPropertyEditorDelegate::updateEditorGeometry(QWidget *editor,
                                                    const QStyleOptionViewItem &option,
                                                    const QModelIndex &) const
{
    editor->setGeometry(option.rect.adjusted(0, 0, 0, -1));
}

void QtPropertyEditorDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    bool hasValue = true;
    if (m_editorPrivate) {
        if (QtProperty *property = m_editorPrivate->indexToProperty(index))
            hasValue = property->hasValue();
    }
    QStyleOptionViewItem opt = option;
    QColor fill;
    if (!hasValue && m_editorPrivate && m_editorPrivate->markPropertiesWithoutValue) {
        fill = opt.palette.color(QPalette::Dark);
        opt.palette.setColor(QPalette::Text, opt.palette.color(QPalette::BrightText));
    } else if (m_editorPrivate) {
        fill =
            m_editorPrivate->calculatedBackgroundColor(m_editorPrivate->indexToBrowserItem(index));
        if (fill.isValid() && (opt.features & QStyleOptionViewItem::Alternate))
            fill = fill.lighter(112);
    }
    if (fill.isValid())
        painter->fillRect(option.rect, fill);
    opt.state &= ~QStyle::State_HasFocus;
    QItemDelegate::paint(painter, opt, index);

    opt.palette.setCurrentColorGroup(QPalette::Active);
    const QColor gridColor =
        static_cast<QRgb>(QApplication::style()->styleHint(QStyle::SH_Table_GridLineColor, &opt));
    painter->save();
    painter->setPen(QPen(gridColor));
    if (!m_editorPrivate || (!m_editorPrivate->lastColumn(index.column()) && hasValue)) {
        const int right =
            option.direction == Qt::LeftToRight ? option.rect.right() : option.rect.left();
        painter->drawLine(right, option.rect.y(), right, option.rect.bottom());
    }
    painter->restore();
}

QSize QtPropertyEditorDelegate::sizeHint(const QStyleOptionViewItem &option,
                                         const QModelIndex &index) const
{
    return QItemDelegate::sizeHint(option, index) + QSize(3, 4);
}

bool QtPropertyEditorDelegate::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        // Keep the editor open while a dialog or message box opened from it is active.
        auto *focusEvent = static_cast<QFocusEvent *>(event);
        if (focusEvent->reason() == Qt::ActiveWindowFocusReason)
            return false;
    }
    return QItemDelegate::eventFilter(object, event);
}
