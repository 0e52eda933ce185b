#ifndef QTBOOLEDIT_H
#define QTBOOLEDIT_H

#include <QWidget>

class QCheckBox;

// The editor of boolean rows: a check box that reads "True" or "False".
class QtBoolEdit : public QWidget
{
    Q_OBJECT
public:
    explicit QtBoolEdit(QWidget *parent = nullptr);

    bool isChecked() const;
    void setChecked(bool checked);
    bool blockCheckBoxSignals(bool block);
    QCheckBox *checkBox() const { return m_checkBox; }

signals:
    void toggled(bool checked);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QCheckBox *m_checkBox;
};

#endif // QTBOOLEDIT_H
