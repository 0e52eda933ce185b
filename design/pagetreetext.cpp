#include "pagetreetext.h"

QString PageTreeText::pageItem(int page, const QString &name)
{
    return name.isEmpty() ? QString("Page-%1").arg(page)
                          : QString("Page-%1(%2)").arg(page).arg(name);
}

QString PageTreeText::widgetItem(const QString &typeName, int id)
{
    return typeName + QLatin1Char('-') + QString::number(id);
}
