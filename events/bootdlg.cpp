#include "bootdlg.h"
#include "ui_bootdlg.h"

#include "bootparam.h"
#include "designdocument.h"
#include "imagereferences.h"
#include "projectfile.h"
#include "qmymessagebox.h"

#include <QDebug>
#include <QPushButton>

BootDlg::BootDlg(DesignDocument *design, QWidget *parent)
    : QDialog(parent)
    , design(design)
    , bootParam(&design->boot())
    , ui(new Ui::BootDlg)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    resultBox = new QMyMessageBox;
    questionBox = new QMyMessageBox;
    connect(design, &DesignDocument::pictureRemoved, this, &BootDlg::followImageDeletion);
    connect(design, &DesignDocument::pageRemoved, this, &BootDlg::followPageDeletion);
    ui->cbBaud->clear();
    ui->cbBaud->addItems({QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                          QStringLiteral("115200")});
    initUi();
    updateEnabled();
    // The module takes its sleep from the sleep timer; these two values are only kept.
    ui->groupBoxSleep->hide();
    // Enter in a field ends its editing; it must not press "初始值" and undo every field.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
    hide();
}

BootDlg::~BootDlg()
{
    delete questionBox;
    delete resultBox;
    delete ui;
}

void BootDlg::initUi()
{
    ui->checkBoxAnim->setChecked(false);
    ui->sbJumpPage->setValue(0);
    ui->sbJumpTime->setValue(0);
    ui->sbAnimImgID->setValue(1);
    ui->sbAnimStartID->setValue(0);
    ui->sbAnimEndID->setValue(0);
    ui->sbAnimTime->setValue(0);
    ui->checkBoxAnimCycle->setChecked(false);
    ui->sbAnimCount->setValue(1);
    ui->sbAnimCurrentPage->setValue(0);
    ui->sbAnimJumpPage->setValue(0);
    ui->sbSleepTime->setValue(0);
    ui->sbSleepBl->setValue(40);
    ui->checkBox485->setChecked(false);
    ui->sb485Addr->setValue(0);
    ui->checkBoxCRC16->setChecked(false);
    ui->checkBoxPos->setChecked(false);
    ui->cbBaud->setCurrentText(QStringLiteral("115200"));
    ui->sbBl->setValue(100);
    ui->sbBuzzerTime->setValue(0);
}

void BootDlg::setAnimationEnabled(bool on)
{
    ui->sbJumpPage->setEnabled(!on);
    ui->sbJumpTime->setEnabled(!on);
    QWidget *const animation[] = {ui->sbAnimImgID,       ui->sbAnimStartID,     ui->sbAnimEndID,
                                  ui->sbAnimTime,        ui->checkBoxAnimCycle, ui->sbAnimCount,
                                  ui->sbAnimCurrentPage, ui->sbAnimJumpPage};
    for (QWidget *w : animation)
        w->setEnabled(on);
}

void BootDlg::updateEnabled()
{
    setAnimationEnabled(ui->checkBoxAnim->isChecked());
    ui->sb485Addr->setEnabled(ui->checkBox485->isChecked());
}

void BootDlg::showDlg()
{
    const BootParam &b = *bootParam;
    const int lastPage = design->pageCount() - 1;
    ui->checkBoxAnim->setChecked(b.getAnimFlag());
    ui->sbJumpPage->setRange(0, lastPage);
    ui->sbJumpPage->setValue(b.getJumpPage());
    ui->sbJumpTime->setValue(b.getJumpTime());
    ui->sbAnimCurrentPage->setRange(0, lastPage);
    ui->sbAnimJumpPage->setRange(0, lastPage);
    ui->sbAnimImgID->setValue(b.getAnimImgID());
    ui->sbAnimStartID->setValue(b.getAnimStartID());
    ui->sbAnimEndID->setValue(b.getAnimEndID());
    ui->sbAnimTime->setValue(b.getAnimTime());
    ui->checkBoxAnimCycle->setChecked(b.getAnimCycleFlag());
    ui->sbAnimCount->setValue(b.getAnimCount());
    ui->sbAnimCurrentPage->setValue(b.getAnimCurrentPage());
    ui->sbAnimJumpPage->setValue(b.getAnimJumpPage());
    ui->sbSleepTime->setValue(b.getSleepTime());
    ui->sbSleepBl->setValue(b.getSleepBl());
    ui->checkBox485->setChecked(b.get485Flag());
    ui->sb485Addr->setValue(b.get485Addr());
    ui->checkBoxCRC16->setChecked(b.getCRC16Flag());
    ui->checkBoxPos->setChecked(b.getPosFlag());
    // A rate none of the items shows leaves the choice as it was.
    const int baud = ui->cbBaud->findText(QString::number(b.getBaud()));
    if (baud >= 0)
        ui->cbBaud->setCurrentIndex(baud);
    ui->sbBl->setValue(b.getBl());
    ui->sbBuzzerTime->setValue(b.getBuzzerTime());
    updateEnabled();
    show();
}

void BootDlg::followImageDeletion(int deleted)
{
    // The record followed already; unsaved edits in the open dialog name the same pictures.
    if (isVisible() && ui->checkBoxAnim->isChecked()) {
        int start = ui->sbAnimStartID->value();
        int end = ui->sbAnimEndID->value();
        ImageReferences::renumberRange(&start, &end, deleted);
        ui->sbAnimStartID->setValue(start);
        ui->sbAnimEndID->setValue(end);
    }
}

void BootDlg::followPageDeletion(int deleted)
{
    // The record followed already; the open dialog's fields follow here.
    if (!isVisible())
        return;
    const auto renumbered = [deleted](int page) {
        return DesignDocument::pageAfterDeletion(page, deleted);
    };
    // Renumbered before the range shrinks, which would clamp them first.
    const int jump = renumbered(ui->sbJumpPage->value());
    const int current = renumbered(ui->sbAnimCurrentPage->value());
    const int lastPage = design->pageCount() - 1;
    for (QSpinBox *box : {ui->sbJumpPage, ui->sbAnimCurrentPage, ui->sbAnimJumpPage})
        box->setRange(0, lastPage);
    ui->sbAnimCurrentPage->setValue(current);
    // The two jump boxes mirror each other.
    ui->sbJumpPage->setValue(jump);
}

bool BootDlg::saveToProject(QString *error)
{
    return ProjectFile::rewriteFrameElements(design->projectPath(),
                                             ProjectFile::bootElements(*bootParam), error);
}

void BootDlg::retranslate()
{
    ui->retranslateUi(this);
}

void BootDlg::offerModuleLink(int enable, int address, int crc, const QString &outcome)
{
    const auto yesNo = [](int flag) { return flag != 0 ? tr("是") : tr("否"); };
    const QString values = tr("模块的设置：485使能：%1，485地址：%2，CRC16使能：%3。")
                               .arg(yesNo(enable), QString::number(address), yesNo(crc));
    const QString read = outcome + QLatin1Char('\n') + values + QLatin1Char('\n');
    if (bootParam->get485Flag() == (enable != 0) && bootParam->get485Addr() == address
        && bootParam->getCRC16Flag() == (crc != 0)) {
        questionBox->showNotice(QMyMessageBox::Information, read + tr("与项目的开机设置相同。"));
        return;
    }
    questionBox->ask(QMyMessageBox::Information, QMyMessageBox::YesNo,
                     read + tr("是否用它们替换项目的开机设置？"),
                     [this, enable, address, crc] { slotRecv485(enable, address, crc); });
}

void BootDlg::slotRecv485(int enable, int address, int crc)
{
    qDebug() << "GET_ADDR:" << enable << address << crc;
    bootParam->set485Flag(enable != 0);
    bootParam->set485Addr(address);
    bootParam->setCRC16Flag(crc != 0);
    if (isVisible()) {
        ui->checkBox485->setChecked(enable != 0);
        ui->sb485Addr->setValue(address);
        ui->checkBoxCRC16->setChecked(crc != 0);
        updateEnabled();
    }
}

void BootDlg::storeControls()
{
    BootParam &b = *bootParam;
    b.setAnimFlag(ui->checkBoxAnim->isChecked());
    b.setJumpPage(ui->sbJumpPage->value());
    b.setJumpTime(ui->sbJumpTime->value());
    b.setAnimImgID(ui->sbAnimImgID->value());
    b.setAnimStartID(ui->sbAnimStartID->value());
    b.setAnimEndID(ui->sbAnimEndID->value());
    b.setAnimTime(ui->sbAnimTime->value());
    b.setAnimCycleFlag(ui->checkBoxAnimCycle->isChecked());
    b.setAnimCount(ui->sbAnimCount->value());
    b.setAnimCurrentPage(ui->sbAnimCurrentPage->value());
    b.setAnimJumpPage(ui->sbAnimJumpPage->value());
    b.setSleepTime(ui->sbSleepTime->value());
    b.setSleepBl(ui->sbSleepBl->value());
    b.set485Flag(ui->checkBox485->isChecked());
    b.set485Addr(ui->sb485Addr->value());
    b.setCRC16Flag(ui->checkBoxCRC16->isChecked());
    b.setPosFlag(ui->checkBoxPos->isChecked());
    b.setBaud(ui->cbBaud->currentText().toInt());
    b.setBl(ui->sbBl->value());
    b.setBuzzerTime(ui->sbBuzzerTime->value());
}

void BootDlg::saveSettings()
{
    storeControls();
    QString error;
    if (saveToProject(&error))
        resultBox->showNotice(QMyMessageBox::Information, tr("保存参数成功！"));
    else
        resultBox->showNotice(QMyMessageBox::Warning,
                              tr("保存参数失败！") + QLatin1Char('\n') + error);
}

void BootDlg::on_btnClose_clicked()
{
    hide();
}

void BootDlg::on_checkBoxAnim_clicked(bool checked)
{
    setAnimationEnabled(checked);
}

void BootDlg::on_checkBox485_clicked(bool checked)
{
    ui->sb485Addr->setEnabled(checked);
}

void BootDlg::on_btnInit_clicked()
{
    initUi();
    updateEnabled();
}

void BootDlg::on_btnSave_clicked()
{
    if (!design->isProjectOpen()) {
        questionBox->showNotice(QMyMessageBox::Information, tr("未创建或加载项目，无法保存！"));
        return;
    }
    questionBox->ask(QMyMessageBox::Information, QMyMessageBox::YesNo, tr("您是否要保存参数？"),
                     [this] { saveSettings(); });
}

void BootDlg::on_checkBoxAnimCycle_clicked(bool checked)
{
    ui->sbAnimCount->setEnabled(!checked);
}

// The page after start-up is one page, whichever way the module gets there.
void BootDlg::on_sbAnimJumpPage_valueChanged(int value)
{
    ui->sbJumpPage->setValue(value);
}

void BootDlg::on_sbJumpPage_valueChanged(int value)
{
    ui->sbAnimJumpPage->setValue(value);
}
