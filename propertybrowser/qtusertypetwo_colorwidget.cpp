#include "qtusertypetwo_colorwidget.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

QtUserTypeTwo_ColorWidget::QtUserTypeTwo_ColorWidget(QWidget *parent)
    : QtUserTypeEditor(parent)
{
    label()->setText("0");
    connect(addButton(tr("设置"), 50), &QPushButton::clicked, this,
            &QtUserTypeTwo_ColorWidget::btnAddClicked);
}

int QtUserTypeTwo_ColorWidget::tableIndex(const QString &value)
{
    bool ok = false;
    const int index = value.toInt(&ok, 10);
    return ok ? index : 0;
}

QColor QtUserTypeTwo_ColorWidget::entryColor(int index) const
{
    return services().tableColor ? services().tableColor(index) : QColor();
}

void QtUserTypeTwo_ColorWidget::decorateLabel(const QString &value)
{
    QColor color = entryColor(tableIndex(value));
    // A number outside the table counts as colour 0, as a text that is no number does.
    if (!color.isValid())
        color = entryColor(0);
    if (!color.isValid()) {
        label()->setStyleSheet(QString());
        return;
    }
    label()->setStyleSheet(QString("background-color:rgb(%1,%2,%3);")
                               .arg(color.red())
                               .arg(color.green())
                               .arg(color.blue()));
}

void QtUserTypeTwo_ColorWidget::btnAddClicked()
{
    // The sheet may be rebuilt while the picker runs and take this editor with it, so
    // neither the editor nor its services may be used once the picker returns to a
    // deleted editor.
    const auto pickColor = services().pickColor;
    if (!pickColor)
        return;
    const int index = tableIndex(value());
    QPointer<QtUserTypeTwo_ColorWidget> self(this);
    int chosen = 0;
    const bool accepted = pickColor(entryColor(index).isValid() ? index : 0, &chosen);
    if (accepted && self)
        choose(QString("%1").arg(chosen));
}
