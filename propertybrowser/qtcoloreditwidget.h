#ifndef QTCOLOREDITWIDGET_H
#define QTCOLOREDITWIDGET_H

#include <QColor>
#include <QWidget>

class QLabel;
class QToolButton;

// The editor of colour rows: swatch, text and a button that opens the colour dialog.
class QtColorEditWidget : public QWidget
{
    Q_OBJECT
public:
    explicit QtColorEditWidget(QWidget *parent = nullptr);

    QColor value() const { return m_color; }

public slots:
    void setValue(const QColor &value);

signals:
    void valueChanged(const QColor &value);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private slots:
    void buttonClicked();

private:
    QColor m_color;
    QLabel *m_swatchLabel;
    QLabel *m_textLabel;
    QToolButton *m_button;
};

#endif // QTCOLOREDITWIDGET_H
