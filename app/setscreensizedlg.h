#ifndef SETSCREENSIZEDLG_H
#define SETSCREENSIZEDLG_H

#include <QDialog>
#include <QString>

namespace Ui {
class SetScreenSizeDlg;
}

// Asks for the resolution, orientation and module series of a new project, and holds
// the project's resolution text between runs.
class SetScreenSizeDlg : public QDialog
{
    Q_OBJECT

public:
    explicit SetScreenSizeDlg(QWidget *parent = nullptr);
    ~SetScreenSizeDlg() override;

    // Runs modally; true when closed with OK. The controls keep the previous run's state.
    bool execDlg();

    QString resolutionText() const { return m_resolutionText; }
    int screenType() const { return m_screenType; }
    int modelType() const { return m_modelType; }
    void setResolutionText(const QString &text) { m_resolutionText = text; }
    void setModelType(int type) { m_modelType = type; }

    void retranslate();

private slots:
    void on_btnOK_clicked();
    void on_btnCancel_clicked();
    void on_cbVGA_currentTextChanged(const QString &text);

private:
    Ui::SetScreenSizeDlg *ui;
    QString m_resolutionText;
    int m_screenType = 0;
    int m_modelType = 0;
};

#endif // SETSCREENSIZEDLG_H
