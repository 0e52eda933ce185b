#include "helpdocuments.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace {

struct DocumentNames
{
    const char *chinese;
    const char *english;
};

// In the order of HelpDocument.
const DocumentNames documentNames[] = {
    {"/yBEX软件使用文档.pdf", "/yBEX software usage document.pdf"},
    {"/KVR&PMW应用文档.pdf", "/KVR&PMW Application Document.pdf"},
    {"/yBEX字体生成失败解决方法.pdf", "/Solution to yBEX font generation failure.pdf"},
    {"/KVR视频学习资料", "/KVR视频学习资料"},
    {"/技术支持窗口.txt", "/Technical Support Window.txt"},
    {"/KVR&PMW用户函数和指令集(CH).pdf", "/KVR&PMW用户函数和指令集(EN).pdf"},
    {"/QZT编程实例.pdf", "/QZT编程实例.pdf"},
    {"/QZT使用注意事项文档.pdf", "/QZT使用注意事项文档.pdf"},
    {"/图片脱机上传流程.pdf", "/图片脱机上传流程.pdf"},
};

} // namespace

QString helpDocumentPath(HelpDocument document, int languageId)
{
    const DocumentNames &names = documentNames[int(document)];
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/help");
    if (languageId == 1)
        return folder + QString::fromUtf8(names.chinese);
    if (languageId == 2)
        return folder + QString::fromUtf8(names.english);
    return QString();
}

void openHelpDocument(HelpDocument document, int languageId)
{
    const QString path = helpDocumentPath(document, languageId);
    if (path.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
