#ifndef QTUSERTYPETWO_COLORWIDGET_H
#define QTUSERTYPETWO_COLORWIDGET_H

#include <QWidget>

class QLabel;
class QPushButton;

// The editor of colour-table rows: the index on its colour and "设置" to pick another.
class QtUserTypeTwo_ColorWidget : public QWidget
{
    Q_OBJECT
public:
    explicit QtUserTypeTwo_ColorWidget(QWidget *parent = nullptr);

    void setValue(const QString &value);
    QString value() const { return m_value; }
    QLabel *label() const { return m_label; }

    // The table entry a text names: its decimal number, 0 for an empty or non-numeric
    // text, -1 for a number outside the table.
    static int tableIndex(const QString &value);

signals:
    void valueChanged(const QString &value);

private slots:
    void btnAddClicked();

private:
    QLabel *m_label;
    QPushButton *m_btnAdd;
    QString m_value;
};

#endif // QTUSERTYPETWO_COLORWIDGET_H
