#include "qmymessagebox.h"
#include "ui_qmymessagebox.h"

#include "screenarea.h"

#include <QLayout>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBoundaryFinder>

namespace {

// A word wider than `widest` pixels (a long path, a pasted value) would widen the box past
// the screen and push its buttons off it: such a word may break between any two of its
// characters, at a zero-width space. Shorter words stay whole and widen the box.
QString breakableText(const QString &text, const QFontMetrics &metrics, int widest)
{
    QString result;
    result.reserve(text.size());
    QTextBoundaryFinder words(QTextBoundaryFinder::Line, text);
    int start = 0;
    while (words.toNextBoundary() != -1) {
        const QString word = text.mid(start, words.position() - start);
        start = words.position();
        if (metrics.horizontalAdvance(word) <= widest) {
            result += word;
            continue;
        }
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, word);
        int from = 0;
        while (characters.toNextBoundary() != -1) {
            if (from > 0)
                result += QChar(0x200B);
            result += word.mid(from, characters.position() - from);
            from = characters.position();
        }
    }
    return result;
}

} // namespace

QMyMessageBox::QMyMessageBox(QWidget *parent)
    : QDialog(parent)
    , form(new Ui::QMyMessageBox)
{
    form->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    designedSize = size();
    hide();
}

QMyMessageBox::~QMyMessageBox()
{
    delete form;
}

void QMyMessageBox::showMes(int kind, int buttonSet, int code, const QString &text)
{
    QString title;
    QString icon;
    switch (kind) {
    case Warning:
        form->labType->setStyleSheet("color:yellow;font: 16pt '宋体';");
        icon = ":/images/warning.png";
        title = tr("警告");
        break;
    case Error:
        form->labType->setStyleSheet("color:red;font: 16pt '宋体';");
        icon = ":/images/error.png";
        title = tr("错误");
        break;
    default:
        form->labType->setStyleSheet("color:white;font: 16pt '宋体';");
        icon = ":/images/info.png";
        title = tr("提示");
        break;
    }
    form->labIcon->setPixmap(QPixmap(icon));
    form->labType->setText(title);
    setWindowTitle(title);

    switch (buttonSet) {
    case OkOnly:
        form->btnNo->hide();
        form->btnOk->hide();
        form->btnCancel->show();
        form->btnCancel->setText(tr("确定"));
        break;
    case OkCancel:
        form->btnNo->hide();
        form->btnOk->show();
        form->btnOk->setText(tr("确定"));
        form->btnCancel->show();
        form->btnCancel->setText(tr("取消"));
        break;
    case YesNo:
        form->btnNo->hide();
        form->btnOk->show();
        form->btnOk->setText(tr("是"));
        form->btnCancel->show();
        form->btnCancel->setText(tr("否"));
        break;
    case YesNoCancel:
        form->btnNo->show();
        form->btnNo->setText(tr("取消"));
        form->btnOk->show();
        form->btnOk->setText(tr("是"));
        form->btnCancel->show();
        form->btnCancel->setText(tr("否"));
        break;
    default:
        break;
    }

    actionCode = code;
    asking = false;
    onYes = nullptr;
    onNo = nullptr;
    onCancel = nullptr;
    // Each message gets the size it needs, wrapped lines included, and never less than the
    // form's: a long one before must not leave the box large. It is never larger than the
    // screen: a word too wide breaks, lines too many scroll.
    QLabel *label = form->labMessage;
    form->messageArea->setMinimumSize(0, 0);
    label->setText(QString());
    resize(designedSize);
    layout()->activate();
    const int chrome = qMax(0, width() - form->messageArea->width());
    const int scrollBar = form->messageArea->verticalScrollBar()->sizeHint().width();
    const QScreen *shownOn = screen();
    const QSize room =
        shownOn ? shownOn->availableGeometry().size() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    label->ensurePolished();
    label->setText(breakableText(text, label->fontMetrics(), room.width() - chrome - scrollBar));
    const int textWidth = qMax(designedSize.width() - chrome, label->minimumSizeHint().width());
    int textHeight = label->heightForWidth(textWidth);
    // A label that never held text has no height for a width: an empty first message.
    if (textHeight < 0)
        textHeight = label->sizeHint().height();
    form->messageArea->setMinimumSize(textWidth, textHeight);
    layout()->activate();
    QSize least = designedSize.expandedTo(minimumSizeHint());
    if (least.height() > room.height()) {
        form->messageArea->setMinimumSize(textWidth + scrollBar,
                                          qMax(0, textHeight - (least.height() - room.height())));
        layout()->activate();
        least = designedSize.expandedTo(minimumSizeHint());
    }
    resize(least);
    // A box the user moved stays where it was put, as far as the screen lets it; one never
    // moved is centred as it shows.
    if (testAttribute(Qt::WA_Moved) && shownOn) {
        move(ScreenArea::keptInside(QRect(pos(), frameSize()), shownOn->availableGeometry())
                 .topLeft());
    }
    show();
    // Above whatever was shown since, the progress window included.
    raise();
    activateWindow();
}

void QMyMessageBox::ask(Kind kind, ButtonSet buttons, const QString &text,
                        std::function<void()> yes, std::function<void()> no,
                        std::function<void()> cancel)
{
    showMes(kind, buttons, NoAnswer, text);
    onYes = std::move(yes);
    onNo = std::move(no);
    onCancel = std::move(cancel);
    asking = true;
}

void QMyMessageBox::answer(Button button)
{
    if (asking) {
        // Answered once: the functions go before they run, and no code is ever sent.
        const std::function<void()> chosen = button == Button::Yes ? onYes
            : button == Button::No                                 ? onNo
                                                                   : onCancel;
        onYes = nullptr;
        onNo = nullptr;
        onCancel = nullptr;
        hide();
        if (chosen)
            chosen();
        return;
    }
    hide();
    switch (button) {
    case Button::Yes:
        emit s_sendIsNo(actionCode);
        break;
    case Button::No:
        if (actionCode != NoAnswer)
            emit s_sendIsNo(actionCode + 1);
        break;
    case Button::Cancel:
        if (actionCode != NoAnswer)
            emit s_sendIsNo(Cancelled);
        break;
    }
}

void QMyMessageBox::on_btnOk_clicked()
{
    answer(Button::Yes);
}

void QMyMessageBox::on_btnCancel_clicked()
{
    answer(Button::No);
}

void QMyMessageBox::on_btnNo_clicked()
{
    answer(Button::Cancel);
}

void QMyMessageBox::mousePressEvent(QMouseEvent *event)
{
    dragging = true;
    pressOffset = event->pos();
}

void QMyMessageBox::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging)
        move(x() + event->pos().x() - pressOffset.x(), y() + event->pos().y() - pressOffset.y());
}

void QMyMessageBox::mouseReleaseEvent(QMouseEvent *)
{
    dragging = false;
}
