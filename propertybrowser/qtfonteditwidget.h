#ifndef QTFONTEDITWIDGET_H
#define QTFONTEDITWIDGET_H

#include <QFont>
#include <QWidget>

class QLabel;
class QToolButton;

// The editor of font rows: sample, text and a button that opens the font dialog.
class QtFontEditWidget : public QWidget
{
    Q_OBJECT
public:
    explicit QtFontEditWidget(QWidget *parent = nullptr);

    QFont value() const { return m_font; }

public slots:
    void setValue(const QFont &value);

signals:
    void valueChanged(const QFont &value);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private slots:
    void buttonClicked();

private:
    QFont m_font;
    QLabel *m_swatchLabel;
    QLabel *m_textLabel;
    QToolButton *m_button;
};

#endif // QTFONTEDITWIDGET_H
