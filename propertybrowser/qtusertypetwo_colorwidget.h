#ifndef QTUSERTYPETWO_COLORWIDGET_H
#define QTUSERTYPETWO_COLORWIDGET_H

#include "qtusertypeeditor.h"

#include <QColor>

// The editor of colour-table rows: the entry number on its colour and "设置" to pick another.
class QtUserTypeTwo_ColorWidget : public QtUserTypeEditor
{
    Q_OBJECT
public:
    explicit QtUserTypeTwo_ColorWidget(QWidget *parent = nullptr);

    // The table entry a text names: its decimal number, 0 for an empty or non-numeric text.
    static int tableIndex(const QString &value);

protected:
    void decorateLabel(const QString &value) override;

private slots:
    void btnAddClicked();

private:
    // Invalid for an entry outside the table, which is then never read.
    QColor entryColor(int index) const;
};

#endif // QTUSERTYPETWO_COLORWIDGET_H
