#include "languagedlg.h"
#include "ui_languagedlg.h"

#include <QApplication>
#include <QButtonGroup>

#include "globals.h"
#include "qmysettings.h"

LanguageDlg::LanguageDlg(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LanguageDlg)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    languageSettings = new QMySettings;
    languageGroup = new QButtonGroup;
    languageGroup->addButton(ui->rbChinese, 1);
    languageGroup->addButton(ui->rbEnglish, 2);
    if (languageSettings->getLanguageId() == 1)
        ui->rbChinese->setChecked(true);
    else if (languageSettings->getLanguageId() == 2)
        ui->rbEnglish->setChecked(true);
    hide();
}

LanguageDlg::~LanguageDlg()
{
    delete languageGroup;
    delete languageSettings;
    delete ui;
}

int LanguageDlg::languageId() const
{
    return languageSettings->getLanguageId();
}

void LanguageDlg::retranslate()
{
    ui->retranslateUi(this);
}

void LanguageDlg::on_btnOK_clicked()
{
    const int id = languageGroup->checkedId();
    if (id == languageSettings->getLanguageId()) {
        hide();
        return;
    }
    QApplication::removeTranslator(&appTranslator);
    const QString file = id == 2 ? QStringLiteral(":/config/language/English.qm") : QString();
    // An empty name leaves the translator empty: the Chinese source texts show.
    appTranslator.load(file, QString(), QString(), QString());
    QApplication::installTranslator(&appTranslator);
    emit s_translator(file);
    languageSettings->setLanguage(id, file);
    hide();
}

void LanguageDlg::on_btnCancel_clicked()
{
    hide();
}
