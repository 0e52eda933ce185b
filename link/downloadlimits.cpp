#include "downloadlimits.h"

namespace {

// Drops the trailing ideographic comma of a report.
QString finished(QString report)
{
    report.chop(1);
    return report;
}

qint64 flashBytes(const InstrParam &limits)
{
    return limits.getLeftFlash() * 1024;
}

} // namespace

QString DownloadLimits::checkProject(const InstrParam &limits, const YModemJob &job,
                                     qint64 containerSize)
{
    QList<int> widgetPages;
    QList<QPair<int, int>> longTexts;
    QList<int> bigPages;
    for (int i = 0; i < job.pages.size(); ++i) {
        const YModemJob::Page &page = job.pages.at(i);
        if (page.widgetCount > limits.getMaxWidgets())
            widgetPages.append(i);
        for (const auto &text : page.textLengths) {
            if (text.second > limits.getDefaultMaxStrSize())
                longTexts.append({i, text.first});
        }
        // A page without a generated file size counts as empty.
        const qint64 fileSize = job.pageFileSizes.value(i, 0);
        if (fileSize > limits.getLeftMem() + 1024 || fileSize > MaxPageFileSize)
            bigPages.append(i);
    }

    QString report;
    if (job.pages.size() > limits.getMaxPage())
        report += tr("页面超上限、");
    if (!widgetPages.isEmpty()) {
        for (int page : qAsConst(widgetPages))
            report += tr("第%1页、").arg(page);
        report.chop(1);
        report += tr("控件超上限、");
    }
    if (!longTexts.isEmpty()) {
        for (const auto &text : qAsConst(longTexts))
            report += tr("第%1页ID为%2、").arg(text.first).arg(text.second);
        report.chop(1);
        report += tr("文本最大字节数属性值超过显示屏最大字符串上限、");
    }
    if (!bigPages.isEmpty()) {
        for (int page : qAsConst(bigPages))
            report += tr("第%1、").arg(page);
        report.chop(1);
        report += tr("页文件超内存上限或超过%1Kb、").arg(65);
    }
    if (containerSize > flashBytes(limits))
        report += tr("文件超Flash上限、");
    return report.isEmpty() ? report : finished(report);
}

QString DownloadLimits::checkPictures(const InstrParam &limits, int count, qint64 totalSize)
{
    QString report;
    if (count > limits.getMaxPics())
        report += tr("图片张数超上限、");
    if (totalSize > flashBytes(limits))
        report += tr("图片超Flash上限、");
    return report.isEmpty() ? report : finished(report);
}

QString DownloadLimits::checkFonts(const InstrParam &limits, int count, qint64 totalSize)
{
    QString report;
    if (count > limits.getMaxFonts())
        report += tr("字库个数超上限、");
    if (totalSize > flashBytes(limits))
        report += tr("字库超Flash上限、");
    return report.isEmpty() ? report : finished(report);
}

QStringList DownloadLimits::keysChecked(int job)
{
    switch (job) {
    case YModemJob::Project:
        return {QStringLiteral("MAX_PAGE"), QStringLiteral("MAX_WIDGETS"),
                QStringLiteral("DEFAULT_MAX_STR_SIZE"), QStringLiteral("LEFT_MEM"),
                QStringLiteral("LEFT_FLASH")};
    case YModemJob::Pictures:
        return {QStringLiteral("MAX_PICS"), QStringLiteral("LEFT_FLASH")};
    case YModemJob::Fonts:
        return {QStringLiteral("MAX_FONTS"), QStringLiteral("LEFT_FLASH")};
    default:
        return {};
    }
}

QString DownloadLimits::unreadableReply(int job, const QStringList &missing,
                                        const QStringList &unreadable)
{
    QStringList lacking, garbled;
    for (const QString &key : keysChecked(job)) {
        if (missing.contains(key))
            lacking.append(key);
        else if (unreadable.contains(key))
            garbled.append(key);
    }
    QStringList parts;
    if (!lacking.isEmpty())
        parts.append(tr("缺少%1").arg(lacking.join(tr("、"))));
    if (!garbled.isEmpty())
        parts.append(tr("%1的值无法读取").arg(garbled.join(tr("、"))));
    return parts.join(tr("；"));
}
