#include "languagedlg.h"
#include "ui_languagedlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLibraryInfo>
#include <QTranslator>

#include "globals.h"
#include "qmymessagebox.h"
#include "qmysettings.h"
#include "qmytextfit.h"

LanguageDlg::LanguageDlg(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LanguageDlg)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    languageSettings = new QMySettings;
    resultBox = new QMyMessageBox;
    languageGroup = new QButtonGroup;
    languageGroup->addButton(ui->rbChinese, 1);
    languageGroup->addButton(ui->rbEnglish, 2);
    if (languageSettings->getLanguageId() == 1)
        ui->rbChinese->setChecked(true);
    else if (languageSettings->getLanguageId() == 2)
        ui->rbEnglish->setChecked(true);
    QMyTextFit::fitButtons(this);
    hide();
}

LanguageDlg::~LanguageDlg()
{
    delete resultBox;
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
    QMyTextFit::fitButtons(this);
}

namespace {

// Qt's own texts (file dialogs, standard buttons) in the interface's language.
QTranslator &qtTranslator()
{
    static QTranslator translator;
    return translator;
}

} // namespace

QTranslator &LanguageDlg::appTranslator()
{
    static QTranslator translator;
    return translator;
}

void LanguageDlg::setQtLanguage(int languageId)
{
    QTranslator &qt = qtTranslator();
    QCoreApplication::removeTranslator(&qt);
    if (languageId != 2
        && qt.load(QStringLiteral("qtbase_zh_CN"),
                   QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}

void LanguageDlg::on_btnOK_clicked()
{
    const int id = languageGroup->checkedId();
    if (id == languageSettings->getLanguageId()) {
        hide();
        return;
    }
    QTranslator &translator = appTranslator();
    QApplication::removeTranslator(&translator);
    const QString file = id == 2 ? QStringLiteral(":/config/language/English.qm") : QString();
    // An empty name leaves the translator empty: the Chinese source texts show.
    translator.load(file, QString(), QString(), QString());
    QApplication::installTranslator(&translator);
    setQtLanguage(id);
    emit s_translator(file);
    QString error;
    // The switch holds for this run all the same; the next start would not know it.
    if (!languageSettings->setLanguage(id, file, &error))
        resultBox->showNotice(QMyMessageBox::Warning,
                              tr("语言设置保存失败！") + QLatin1Char('\n') + error);
    hide();
}

void LanguageDlg::on_btnCancel_clicked()
{
    hide();
}
