#ifndef QTCHAREDIT_H
#define QTCHAREDIT_H

#include <QWidget>

class QLineEdit;

// The editor of character rows: the next printable key typed becomes the character.
class QtCharEdit : public QWidget
{
    Q_OBJECT
public:
    explicit QtCharEdit(QWidget *parent = nullptr);

    QChar value() const { return m_value; }

public slots:
    void setValue(const QChar &value);

signals:
    void valueChanged(const QChar &value);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private slots:
    void slotClearChar();

private:
    QChar m_value;
    QLineEdit *m_lineEdit;
};

#endif // QTCHAREDIT_H
