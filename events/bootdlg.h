#ifndef BOOTDLG_H
#define BOOTDLG_H

#include <QDialog>

class BootParam;
class DesignDocument;
class QMyMessageBox;

namespace Ui {
class BootDlg;
}

// The boot settings the module applies at power-on, those of the design's record: the
// project file is saved from it and the module's boot script generated from it.
class BootDlg : public QDialog
{
    Q_OBJECT

public:
    explicit BootDlg(DesignDocument *design, QWidget *parent = nullptr);
    ~BootDlg() override;

    // Loads the record into the controls and shows the dialog.
    void showDlg();
    BootParam *getBootParam() const { return bootParam; }
    // Rewrites the boot elements of the open project file from the record.
    bool saveToProject(QString *error = nullptr);
    void retranslate();
    // The module's answer to the link test, shown after the test's outcome; when it differs
    // from the record the user decides whether the record takes it over.
    void offerModuleLink(int enable, int address, int crc, const QString &outcome);

    QMyMessageBox *getQuestionBox() const { return questionBox; }
    QMyMessageBox *getResultBox() const { return resultBox; }

public slots:
    // Takes the module's RS-485 and CRC16 settings into the record, and into the controls
    // while the dialog is open.
    void slotRecv485(int enable, int address, int crc);

private slots:
    void on_btnClose_clicked();
    void on_checkBoxAnim_clicked(bool checked);
    void on_checkBox485_clicked(bool checked);
    void on_btnInit_clicked();
    void on_btnSave_clicked();
    void on_checkBoxAnimCycle_clicked(bool checked);
    void on_sbAnimJumpPage_valueChanged(int value);
    void on_sbJumpPage_valueChanged(int value);

private:
    // Picture `deleted` left the library: while the dialog is open, the animation's
    // picture range it shows closes up around it.
    void followImageDeletion(int deleted);
    // Page `deleted` has gone: the page numbers the open dialog shows keep naming the same
    // pages; one that named the deleted page names the page shown instead.
    void followPageDeletion(int deleted);
    void initUi();
    void updateEnabled();
    void setAnimationEnabled(bool on);
    // The controls into the record.
    void storeControls();
    // What "是" to the save question does: the controls into the record and the project file.
    void saveSettings();

    DesignDocument *design;
    BootParam *bootParam;
    Ui::BootDlg *ui;
    QMyMessageBox *questionBox = nullptr;
    QMyMessageBox *resultBox = nullptr;
};

#endif // BOOTDLG_H
