#include "qmytextbox.h"

#include "designglobals.h"
#include "drawgeometry.h"
#include "qmydrawcache.h"
#include "qmywidgetpainter.h"
#include "textboxdlg.h"

#include <QPaintEvent>
#include <QPainter>

QMyTextBox::QMyTextBox(int id, WidgetType type, const QString &typeName, QWidget *parent)
    : QMyWidget(id, type, typeName, parent)
{
    setText(tr("文本"));
    setSignalMode(1);
}

QMyTextBox::~QMyTextBox()
{
    delete textDlg;
}

void QMyTextBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    if (getFlag() != 0)
        return;
    // Made when first used: a design has many text boxes and most are never edited so.
    if (!textDlg) {
        // A project file holds no longer text, so the design would not open again.
        textDlg = new TextBoxDlg(MaxTextLength);
        connect(textDlg, &TextBoxDlg::s_sendText, this, &QMyTextBox::slotReceText);
    }
    textDlg->showText(getText());
}

void QMyTextBox::slotReceText(QString text)
{
    setText(text);
    if (text.contains("\n"))
        setSignalMode(0);
    const int bytes = text.toUtf8().size();
    if (bytes > getLongTextLen())
        setLongTextLen(bytes);
    repaint();
    emit s_sendPressWnd(this);
}

void QMyTextBox::slotFocusOut() { }

void QMyTextBox::slotReceMouse(int kind, QMouseEvent *event)
{
    if (kind == 0)
        mousePressEvent(event);
    else if (kind == 1)
        mouseMoveEvent(event);
    else if (kind == 2)
        mouseReleaseEvent(event);
}

void QMyTextBox::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    resizeForPaint(getW(), getH());
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const int w = DrawGeometry::clampCoord(getW());
        const int h = DrawGeometry::clampCoord(getH());
        const QRect area(originX, originY, w, h);
        const int b = DrawGeometry::clampCoord(getBorderWidth());
        const QRect box = DrawGeometry::idBox(getW(), originY, b);
        if (getFlag() == 0) {
            const bool black =
                DrawGeometry::idLabelBlack(box, area, getProgBackground1(), getBackground1());
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);
            paintBackgroundStep(p, area, false);
            int flags = int(hAlignFlag() | vAlignFlag());
            if (getSignalMode() == 0)
                flags |= Qt::TextWordWrap;
            QMyWidgetPainter::drawText(
                p, QRect(originX + b + 5, originY + b, w - 2 * b - 10, h - 2 * b), flags,
                DrawGeometry::textBoxShownText(getText(), getPasswordMode()),
                QMyWidgetPainter::projectFont(projectFolder(), getFontID(), 12), getFontColor());
            QMyWidgetPainter::drawIdLabel(p, box, getId(), black);
        } else if (getFlag() == 1) {
            paintHiddenLook(p, box, getBackground1(), QMyWidgetPainter::idFont());
        }
    }
    finishPaint(false);
}
