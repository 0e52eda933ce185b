#ifndef TEXTFITCHECK_H
#define TEXTFITCHECK_H

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTextDocument>

// Finds the texts of a window that do not show whole: a label, button, group title, tab,
// combo entry, read-only line edit or header section whose text is wider (or a wrapped
// label taller) than the room it gets, or that lies partly outside a parent that clips it.
// Each finding reads "<window>/<object>: '<text>' needs <n> px, has <m>".
class TextFitCheck
{
public:
    static QStringList clippedTexts(QWidget *window)
    {
        TextFitCheck check(window);
        check.scan();
        return check.findings;
    }

private:
    explicit TextFitCheck(QWidget *window)
        : window(window)
    { }

    void scan()
    {
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(window) || w->width() <= 0 || w->height() <= 0)
                continue;
            if (auto *label = qobject_cast<QLabel *>(w))
                checkLabel(label);
            else if (auto *button = qobject_cast<QPushButton *>(w))
                checkButton(button, QStyle::SE_PushButtonContents, Qt::AlignCenter);
            else if (auto *box = qobject_cast<QCheckBox *>(w))
                checkButton(box, QStyle::SE_CheckBoxContents, Qt::AlignLeft | Qt::AlignVCenter);
            else if (auto *radio = qobject_cast<QRadioButton *>(w))
                checkButton(radio, QStyle::SE_RadioButtonContents,
                            Qt::AlignLeft | Qt::AlignVCenter);
            else if (auto *combo = qobject_cast<QComboBox *>(w))
                checkCombo(combo);
            else if (auto *header = qobject_cast<QHeaderView *>(w))
                checkHeader(header);
            else if (auto *tabs = qobject_cast<QTabBar *>(w))
                checkTabs(tabs);
            else if (auto *edit = qobject_cast<QLineEdit *>(w))
                checkLineEdit(edit);
            if (auto *group = qobject_cast<QGroupBox *>(w))
                checkGroup(group);
        }
    }

    static QString shown(QString text) { return text.remove(QLatin1Char('&')); }

    QString name(const QWidget *w) const
    {
        QString object = w->objectName();
        if (object.isEmpty())
            object = QString::fromLatin1(w->metaObject()->className());
        return QString::fromLatin1(window->metaObject()->className()) + QLatin1Char('/') + object;
    }

    void report(const QWidget *w, const QString &text, int need, int have)
    {
        findings << QStringLiteral("%1: '%2' needs %3 px, has %4")
                        .arg(name(w), text)
                        .arg(need)
                        .arg(have);
    }

    // The part of the widget's rectangle, in its own coordinates, that its parents show.
    QRect visiblePart(const QWidget *w) const
    {
        QRect part = w->rect();
        QPoint offset; // of w within the ancestor being looked at
        for (const QWidget *a = w; a && a != window; a = a->parentWidget()) {
            offset += a->pos();
            const QWidget *parent = a->parentWidget();
            if (!parent)
                break;
            part &= parent->rect().translated(-offset);
        }
        return part;
    }

    // Text of the given size aligned in room must fit room and the part of w that shows.
    void checkPlaced(const QWidget *w, const QString &text, const QSize &size, const QRect &room,
                     Qt::Alignment alignment)
    {
        if (size.width() > room.width()) {
            report(w, text, size.width(), room.width());
            return;
        }
        if (size.height() > room.height() + 2) {
            report(w, text, size.height(), room.height());
            return;
        }
        const QRect placed =
            QStyle::alignedRect(w->layoutDirection(), alignment,
                                QSize(size.width(), qMin(size.height(), room.height())), room);
        const QRect visible = visiblePart(w);
        if (placed.left() < visible.left() || placed.right() > visible.right())
            report(w, text, size.width(),
                   qMax(0,
                        qMin(placed.right(), visible.right()) - qMax(placed.left(), visible.left())
                            + 1));
    }

    void checkLabel(QLabel *label)
    {
        QString text = label->text();
        if (text.isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull() || label->movie())
            return;
        if (label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
            QTextDocument doc;
            doc.setHtml(text);
            text = doc.toPlainText();
        }
        QRect room = label->contentsRect();
        const int margin = label->margin();
        room.adjust(margin, margin, -margin, -margin);
        if (label->indent() > 0) {
            const Qt::Alignment a = label->alignment();
            if (a & Qt::AlignLeft)
                room.setLeft(room.left() + label->indent());
            if (a & Qt::AlignRight)
                room.setRight(room.right() - label->indent());
            if (a & Qt::AlignTop)
                room.setTop(room.top() + label->indent());
            if (a & Qt::AlignBottom)
                room.setBottom(room.bottom() - label->indent());
        }
        const QFontMetrics fm(label->font());
        int flags = int(label->alignment());
        if (label->wordWrap())
            flags |= Qt::TextWordWrap;
        // Wrapped text breaks where Qt breaks it; a word longer than a line stays wider.
        const QSize size = fm.boundingRect(room, flags, text).size();
        checkPlaced(label, text, size, room, label->alignment());
    }

    void checkButton(QAbstractButton *button, QStyle::SubElement contents, Qt::Alignment alignment)
    {
        const QString text = shown(button->text());
        if (text.isEmpty())
            return;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        if (auto *push = qobject_cast<QPushButton *>(button)) {
            if (push->isFlat())
                option.features |= QStyleOptionButton::Flat;
            if (push->menu())
                option.features |= QStyleOptionButton::HasMenu;
        }
        const QRect room = button->style()->subElementRect(contents, &option, button);
        const QFontMetrics fm(button->font());
        int width = fm.horizontalAdvance(text);
        if (!button->icon().isNull())
            width += button->iconSize().width() + 4;
        checkPlaced(button, text, QSize(width, fm.height()), room, alignment);
    }

    void checkCombo(QComboBox *combo)
    {
        if (combo->isEditable() && !combo->lineEdit()->isReadOnly())
            return;
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        option.subControls = QStyle::SC_All;
        const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, combo);
        const QFontMetrics fm(combo->font());
        for (int i = 0; i < combo->count(); ++i) {
            const QString text = combo->itemText(i);
            int width = fm.horizontalAdvance(text);
            if (!combo->itemIcon(i).isNull())
                width += combo->iconSize().width() + 4;
            if (width > room.width())
                report(combo, text, width, room.width());
        }
    }

    void checkHeader(QHeaderView *header)
    {
        const QAbstractItemModel *model = header->model();
        if (!model)
            return;
        const int count = header->count();
        for (int i = 0; i < count; ++i) {
            if (header->isSectionHidden(i) || header->sectionSize(i) <= 0)
                continue;
            const QString text = model->headerData(i, header->orientation()).toString();
            if (text.isEmpty())
                continue;
            // The section's font comes from the style sheet; Qt's own size hint of the
            // section uses it, with the margins around the text.
            const int need = header->sectionSizeHint(i);
            const int have = header->sectionSize(i);
            if (need > have)
                report(header, text, need, have);
        }
    }

    void checkTabs(QTabBar *tabs)
    {
        const QFontMetrics fm(tabs->font());
        const int space = tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
        for (int i = 0; i < tabs->count(); ++i) {
            const QString text = shown(tabs->tabText(i));
            const int need = fm.horizontalAdvance(text) + space;
            if (need > tabs->tabRect(i).width())
                report(tabs, text, need, tabs->tabRect(i).width());
        }
    }

    void checkGroup(QGroupBox *group)
    {
        const QString text = shown(group->title());
        if (text.isEmpty())
            return;
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.textAlignment = group->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (group->isCheckable())
            option.subControls |= QStyle::SC_GroupBoxCheckBox;
        const QRect room = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                          QStyle::SC_GroupBoxLabel, group);
        // The style's title rectangle leaves out the last pixel of the text's advance, which
        // holds no ink.
        const int need =
            QFontMetrics(group->font()).size(Qt::TextShowMnemonic, group->title()).width() - 1;
        checkPlaced(group, text, QSize(need, room.height()), room,
                    Qt::AlignLeft | Qt::AlignVCenter);
    }

    // A read-only line edit shows a value; one too narrow scrolls its start out of sight.
    void checkLineEdit(QLineEdit *edit)
    {
        if (!edit->isReadOnly() || edit->text().isEmpty())
            return;
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.rect = edit->rect();
        option.lineWidth = edit->hasFrame()
            ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
            : 0;
        option.state |= QStyle::State_Sunken;
        QRect room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        room = room.marginsRemoved(edit->textMargins());
        // The line edit keeps two pixels on each side and one for the cursor.
        const int have = room.width() - 2 * 2 - 1;
        const QString text = edit->displayText();
        const int need = QFontMetrics(edit->font()).horizontalAdvance(text);
        if (need > have)
            report(edit, text, need, have);
    }

    QWidget *window;
    QStringList findings;
};

#endif // TEXTFITCHECK_H
