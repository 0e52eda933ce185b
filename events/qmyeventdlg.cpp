#include "qmyeventdlg.h"
#include "ui_qmyeventdlg.h"

QMyEventDlg::QMyEventDlg(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::QMyEventDlg)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    hide();
}

QMyEventDlg::~QMyEventDlg()
{
    delete ui;
}

bool QMyEventDlg::execForEvent(int ownerKind)
{
    ui->cbEventType->clear();
    ui->cbEventUser->clear();
    m_eventInfo.setOwnerType(ownerKind);
    ui->cbEventType->addItems(m_eventInfo.typeNames());
    const QStringList captions = m_eventInfo.pickerCaptions();
    const QList<int> indices = m_eventInfo.pickerIndices();
    for (int i = 0; i < captions.size() && i < indices.size(); ++i)
        ui->cbEventUser->addItem(captions.at(i), indices.at(i));
    if (ui->cbEventType->count() > 1)
        ui->cbEventType->setCurrentIndex(1);
    return exec() == QDialog::Accepted;
}

void QMyEventDlg::retranslate()
{
    ui->retranslateUi(this);
}

void QMyEventDlg::on_btnOK_clicked()
{
    m_eventInfo.setType(ui->cbEventType->currentIndex());
    m_eventInfo.setUserType(ui->cbEventUser->currentData().toInt());
    m_eventInfo.setDefaultParams();
    done(1);
}

void QMyEventDlg::on_btnClose_clicked()
{
    done(0);
}
