#ifndef SYSDLG_H
#define SYSDLG_H

#include <QDialog>
#include <QString>

namespace Ui {
class SysDlg;
}

// Turns a backlight level or baud rate into a module instruction, and keeps the values
// last requested and last confirmed by the module.
class SysDlg : public QDialog
{
    Q_OBJECT

public:
    explicit SysDlg(QWidget *parent = nullptr);
    ~SysDlg() override;

    QString baudText() const { return m_baudText; }
    QString requestedBaudText() const { return m_requestedBaudText; }
    int backlight() const { return m_backlight; }
    int requestedBacklight() const { return m_requestedBacklight; }
    void setBaud(const QString &baud);
    void setBacklight(int level);

    void retranslate();

signals:
    // kind 3: backlight instruction, 4: baud-rate instruction
    void s_sendMes(int kind, QString instruction);

private slots:
    void on_btnBaud_clicked();
    void on_btnScreenValue_clicked();
    void on_horizontalSliderScreen_valueChanged(int value);
    void on_btnClose_clicked();

private:
    Ui::SysDlg *ui;
    QString m_baudText;
    QString m_requestedBaudText;
    int m_backlight = 20;
    int m_requestedBacklight = 20;
};

#endif // SYSDLG_H
