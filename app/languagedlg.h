#ifndef LANGUAGEDLG_H
#define LANGUAGEDLG_H

#include <QDialog>
#include <QString>

class QButtonGroup;
class QMyMessageBox;
class QMySettings;
class QTranslator;

namespace Ui {
class LanguageDlg;
}

// Switches between the Chinese texts and the embedded English translation while the
// program runs, and stores the choice in ./config/system.ini.
class LanguageDlg : public QDialog
{
    Q_OBJECT

public:
    explicit LanguageDlg(QWidget *parent = nullptr);
    ~LanguageDlg() override;

    // 1 Chinese, 2 English: as read at construction or last switched to.
    int languageId() const;
    QMyMessageBox *getResultBox() const { return resultBox; }
    void retranslate();
    // Loads Qt's Chinese translation for the Chinese interface (1) and none for English.
    static void setQtLanguage(int languageId);
    // The program's translator: empty for the Chinese source texts, the embedded English
    // translation otherwise. Installed once at start-up and swapped by the dialog.
    static QTranslator &appTranslator();

signals:
    void s_translator(QString file);

private slots:
    void on_btnOK_clicked();
    void on_btnCancel_clicked();

private:
    Ui::LanguageDlg *ui;
    QButtonGroup *languageGroup;
    QMySettings *languageSettings;
    QMyMessageBox *resultBox = nullptr;
};

#endif // LANGUAGEDLG_H
