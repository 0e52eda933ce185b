#ifndef FONTDLG_H
#define FONTDLG_H

#include <QDialog>
#include <QString>
#include <QStringList>

namespace Ui {
class FontDlg;
}
class DesignDocument;
class FontConverter;
class QMyMessageBox;

// The separate font tool: makes a font file from one of the project's TrueType files,
// without a parameter file.
class FontDlg : public QDialog
{
    Q_OBJECT

public:
    // Works on the project of the design.
    explicit FontDlg(const DesignDocument *design, QWidget *parent = nullptr);
    ~FontDlg() override;

    // Refills the TrueType list from the project and shows the window.
    void showDlg();
    // Copies chosen TrueType files into the project, as the add button does after its
    // file dialog.
    void addTtfFiles(const QStringList &files);

    // Where the TrueType file dialogs start: the system's font folder.
    static QString systemFontFolder();

    QMyMessageBox *messageBox() const { return questionBox; }
    FontConverter *converter() const { return fontConverter; }

private slots:
    void on_btnCreatFont_clicked();
    void on_btnClose_clicked();
    void on_btnAddTtf_clicked();
    void on_btnDelTtf_clicked();
    void slotConverted(bool ok, const QString &message);

private:
    void refillTtfList();
    void deleteTtf(const QString &name);

    const DesignDocument *design;
    Ui::FontDlg *form;
    QMyMessageBox *questionBox;
    FontConverter *fontConverter;
    QString fontNameMade;
};

#endif // FONTDLG_H
