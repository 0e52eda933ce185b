#include "qtpropertybrowserutils.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QToolButton>

QPixmap QtPropertyBrowserUtils::brushValuePixmap(const QBrush &brush)
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(0, 0, image.width(), image.height(), brush);
    QColor color = brush.color();
    if (color.alpha() != 255) {
        // A translucent colour shows as a translucent square with an opaque core.
        QBrush opaqueBrush = brush;
        color.setAlpha(255);
        opaqueBrush.setColor(color);
        painter.fillRect(image.width() / 4, image.height() / 4, image.width() / 2,
                         image.height() / 2, opaqueBrush);
    }
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon QtPropertyBrowserUtils::brushValueIcon(const QBrush &brush)
{
    return QIcon(brushValuePixmap(brush));
}

QString QtPropertyBrowserUtils::colorValueText(const QColor &color)
{
    return tr("[%1, %2, %3] (%4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alpha());
}

QPixmap QtPropertyBrowserUtils::fontValuePixmap(const QFont &font)
{
    QFont sample = font;
    sample.setPointSize(13);
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setFont(sample);
    painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon QtPropertyBrowserUtils::fontValueIcon(const QFont &font)
{
    return QIcon(fontValuePixmap(font));
}

QString QtPropertyBrowserUtils::fontValueText(const QFont &font)
{
    // One substitution: a family name holding "%1" stays as it is.
    return tr("[%1, %2]").arg(font.family(), QString::number(font.pointSize()));
}

QString QtPropertyBrowserUtils::dateFormat()
{
    return QLocale().dateFormat(QLocale::ShortFormat);
}

QString QtPropertyBrowserUtils::timeFormat()
{
    return QLocale().timeFormat(QLocale::LongFormat);
}

QString QtPropertyBrowserUtils::dateTimeFormat()
{
    return dateFormat() + QLatin1Char(' ') + timeFormat();
}

QHBoxLayout *QtPropertyBrowserUtils::editorLayout(QWidget *editor)
{
    auto *layout = new QHBoxLayout(editor);
    if (QApplication::layoutDirection() == Qt::LeftToRight)
        layout->setContentsMargins(4, 0, 0, 0);
    else
        layout->setContentsMargins(0, 0, 4, 0);
    return layout;
}

void QtPropertyBrowserUtils::setUpButtonRow(QWidget *editor, QLabel *sample, QLabel *text,
                                            QToolButton *button)
{
    auto *layout = editorLayout(editor);
    layout->setSpacing(0);
    layout->addWidget(sample);
    layout->addWidget(text);
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Ignored));
    layout->addWidget(button);

    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    button->setFixedWidth(20);
    editor->setFocusProxy(button);
    editor->setFocusPolicy(button->focusPolicy());
    button->installEventFilter(editor);
}

bool QtPropertyBrowserUtils::isEditKeyOfButton(QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->ignore();
        return true;
    default:
        return false;
    }
}

bool QtPropertyBrowserUtils::execEditorDialog(QWidget *editor, QDialog *dialog)
{
    const QPointer<QWidget> editorGuard(editor);
    const QPointer<QDialog> dialogGuard(dialog);
    const int result = dialog->exec();
    if (!editorGuard || !dialogGuard)
        return false;
    if (result == QDialog::Accepted)
        return true;
    delete dialog;
    return false;
}
