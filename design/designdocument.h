#ifndef DESIGNDOCUMENT_H
#define DESIGNDOCUMENT_H

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class PageParam;
class QMyWidget;

// The design of the open project: its pages with their widgets, the page shown, the
// picture and font lists and the project's path.
class DesignDocument : public QObject
{
    Q_OBJECT

public:
    explicit DesignDocument(QObject *parent = nullptr);

    // The document of the program-wide design names.
    static DesignDocument &program();

private:
    friend struct DesignGlobalsAccess;

    // One widget list per page, in page order; the same index in m_pageRecords.
    QList<QList<QMyWidget *> *> m_pageWidgets;
    QList<PageParam *> m_pageRecords;
    int m_currentPage = 0;
    QStringList m_pictures;
    QStringList m_fontIds;
    QStringList m_fontPaths;
    QString m_projectPath;
};

#endif // DESIGNDOCUMENT_H
