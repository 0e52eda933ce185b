#ifndef QTUSERTYPEONE_IMAGEWIDGET_H
#define QTUSERTYPEONE_IMAGEWIDGET_H

#include <QWidget>

class QLabel;
class QPushButton;
class QMyMessageBox;

// The editor of image rows: the image number, "设置" to take the image selected in the
// library and "移除" to clear it.
class QtUserTypeOne_ImageWidget : public QWidget
{
    Q_OBJECT
public:
    explicit QtUserTypeOne_ImageWidget(QWidget *parent = nullptr);
    ~QtUserTypeOne_ImageWidget() override;

    void setValue(const QString &value);
    QString value() const { return m_value; }
    QMyMessageBox *messageBox() const { return m_messageBox; }

signals:
    void valueChanged(const QString &value);

private slots:
    void btnAddClicked();
    void btnRemoveClicked();

private:
    QLabel *m_label;
    QPushButton *m_btnAdd;
    QPushButton *m_btnRemove;
    QString m_value;
    QMyMessageBox *m_messageBox;
};

#endif // QTUSERTYPEONE_IMAGEWIDGET_H
