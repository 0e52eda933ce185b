#include "qtcharedit.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

QtCharEdit::QtCharEdit(QWidget *parent)
    : QWidget(parent)
    , m_lineEdit(new QLineEdit(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_lineEdit);
    layout->setContentsMargins(0, 0, 0, 0);
    m_lineEdit->installEventFilter(this);
    m_lineEdit->setReadOnly(true);
    m_lineEdit->setFocusProxy(this);
    setFocusPolicy(m_lineEdit->focusPolicy());
    setAttribute(Qt::WA_InputMethodEnabled);
}

void QtCharEdit::setValue(const QChar &value)
{
    if (value == m_value)
        return;
    m_value = value;
    m_lineEdit->setText(value.isNull() ? QString() : QString(value));
}

bool QtCharEdit::eventFilter(QObject *object, QEvent *event)
{
    if (object != m_lineEdit || event->type() != QEvent::ContextMenu)
        return QWidget::eventFilter(object, event);

    // The menu is a child of the line edit: a choice in it may end the editor and with it
    // the menu, so neither is touched after that without a check.
    QPointer<QtCharEdit> self(this);
    QPointer<QMenu> menu = m_lineEdit->createStandardContextMenu();
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        action->setShortcut(QKeySequence());
        QString text = action->text();
        const int tab = text.lastIndexOf(QLatin1Char('\t'));
        if (tab > 0) {
            text.chop(text.size() - tab);
            action->setText(text);
        }
    }
    QAction *firstAction = actions.value(0);
    auto *clearAction = new QAction(tr("Clear Char"), menu);
    menu->insertAction(firstAction, clearAction);
    menu->insertSeparator(firstAction);
    clearAction->setEnabled(!m_value.isNull());
    connect(clearAction, &QAction::triggered, this, &QtCharEdit::slotClearChar);
    menu->exec(static_cast<QContextMenuEvent *>(event)->globalPos());
    delete menu;
    if (self)
        event->accept();
    return true;
}

void QtCharEdit::slotClearChar()
{
    if (m_value.isNull())
        return;
    setValue(QChar());
    emit valueChanged(m_value);
}

void QtCharEdit::focusInEvent(QFocusEvent *event)
{
    static_cast<QObject *>(m_lineEdit)->event(event);
    m_lineEdit->selectAll();
    QWidget::focusInEvent(event);
}

void QtCharEdit::focusOutEvent(QFocusEvent *event)
{
    static_cast<QObject *>(m_lineEdit)->event(event);
    QWidget::focusOutEvent(event);
}

void QtCharEdit::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_Super_L:
        event->accept();
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1) {
        const QChar c = text.at(0);
        if (c.isPrint() && c != m_value) {
            m_value = c;
            m_lineEdit->setText(QString(c));
            emit valueChanged(m_value);
        }
    }
    event->accept();
}

bool QtCharEdit::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
        // No shortcut fires while a character is being typed.
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}
