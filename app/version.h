#ifndef VERSION_H
#define VERSION_H

#include <QDialog>

namespace Ui {
class Version;
}

// Shows the program's version.
class Version : public QDialog
{
    Q_OBJECT

public:
    explicit Version(QWidget *parent = nullptr);
    ~Version() override;

    void retranslate();

private slots:
    void on_btnClose_clicked();

private:
    Ui::Version *ui;
};

#endif // VERSION_H
