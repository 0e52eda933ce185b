#include "pagetreetext.h"

#include <QStringList>

QString PageTreeText::pageItem(int page, const QString &name)
{
    return name.isEmpty() ? QString("Page-%1").arg(page)
                          : QString("Page-%1(%2)").arg(page).arg(name);
}

void PageTreeText::splitPageItem(int page, const QString &text, QString *label, QString *name)
{
    if (text.contains("(")) {
        *label = QString("Page-%1").arg(page);
        *name = text.mid(label->length() + 1, text.length() - label->length() - 2);
    } else {
        *label = text;
        *name = QString();
    }
}

QString PageTreeText::widgetItem(const QString &typeName, int id)
{
    return typeName + QLatin1Char('-') + QString::number(id);
}

bool PageTreeText::widgetIdFromItem(const QString &text, int *id)
{
    const QStringList parts = text.split("-");
    if (parts.size() != 2)
        return false;
    *id = parts.at(1).toInt();
    return true;
}
