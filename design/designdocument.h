#ifndef DESIGNDOCUMENT_H
#define DESIGNDOCUMENT_H

#include "bootparam.h"
#include "timerparam.h"

#include <QList>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>

class PageParam;
class QMyWidget;

// The design of one project: its pages with their widgets and the page shown, the nine
// timers, the boot and frame settings, the picture and font lists and the project's path.
// It owns its pages and widgets and says what changed, so that the views follow it
// instead of being told one by one.
class DesignDocument : public QObject
{
    Q_OBJECT

public:
    // Timers 0 to 7 and, last, the sleep timer.
    static constexpr int TimerCount = 9;
    static constexpr int SleepTimer = TimerCount - 1;

    explicit DesignDocument(QObject *parent = nullptr);
    ~DesignDocument() override;

    // ---- Pages and widgets ----
    int pageCount() const { return m_pages.size(); }
    // Null for an index that names no page.
    PageParam *page(int index) const { return m_pages.value(index); }
    const QList<PageParam *> &pages() const { return m_pages; }
    // A page's widgets in the order they came; empty for an index that names no page.
    const QList<QMyWidget *> &widgets(int page) const;
    // The page that holds the widget; -1 for none.
    int pageOf(const QMyWidget *w) const;

    // Appends an empty page; returns its index.
    int addPage();
    // Deletes a page with its widgets. The page shown afterwards is the one that was shown
    // as `shown` (brought into the pages there were), moved down when it came after the
    // deleted one. Boot settings keep naming the same pages. An index that names no page
    // does nothing.
    void removePage(int index, int shown);
    // Index of the page shown after page `deleted` went away while `shown` was on screen.
    static int pageAfterDeletion(int shown, int deleted);
    // Deletes every page; page 0 counts as shown.
    void clearPages();
    void setPageName(int index, const QString &name);

    // Puts a widget at the end of a page; the document owns it from then on and the widget
    // finds its pictures and fonts through it. False, with nothing done, for an index
    // that names no page.
    bool addWidget(int page, QMyWidget *w);
    // Takes a widget of the design off its page and deletes it.
    void removeWidget(QMyWidget *w);

    // The page the canvas shows; 0 while there is none.
    int currentPage() const { return m_currentPage; }
    bool hasCurrentPage() const { return m_currentPage >= 0 && m_currentPage < m_pages.size(); }
    void setCurrentPage(int index);

    // ---- Timers and boot settings ----
    // Null for an index outside 0 to 8.
    TimerParam *timer(int index) const;
    // Nine fresh timers, timer i with id i.
    void resetTimers();
    BootParam &boot() { return m_boot; }
    const BootParam &boot() const { return m_boot; }

    // ---- Frame settings ----
    // The module series (modelType) and the orientation (screenType, 0 to 3 for 0, 90,
    // 180 and 270 degrees).
    int modelType() const { return m_modelType; }
    void setModelType(int series);
    int screenType() const { return m_screenType; }
    void setScreenType(int orientation);
    // The size asked of the canvas.
    QSize frameSize() const { return m_frameSize; }
    void setFrameSize(const QSize &size);
    // The resolution as the lists show it, "800*480(WVGA1)".
    QString resolution() const { return m_resolution; }
    void setResolution(const QString &text);
    QString baud() const { return m_baud; }
    void setBaud(const QString &text);
    int backlight() const { return m_backlight; }
    void setBacklight(int value);

    // ---- Pictures and fonts ----
    // The library's pictures: a picture's number is its index.
    const QStringList &pictures() const { return m_pictures; }
    void setPictures(const QStringList &paths);
    void addPicture(const QString &path);
    // Picture `number` left the library: the later ones move down one, and every page,
    // widget and the boot animation keep showing the pictures they showed (one that showed
    // the removed picture shows none).
    void removePicture(int number);
    // The numbers of the generated fonts, and the font-library files.
    const QStringList &fontIds() const { return m_fontIds; }
    void setFontIds(const QStringList &ids);
    const QStringList &fontPaths() const { return m_fontPaths; }
    void setFontPaths(const QStringList &paths);
    // Generated font `number` was made, made again or deleted.
    void markFontChanged(int number);

    // ---- Project ----
    // A path names a project file when it contains the extension ".yBEX".
    static bool isProjectPath(const QString &path);
    const QString &projectPath() const { return m_projectPath; }
    void setProjectPath(const QString &path);
    // True while the project path names a project file.
    bool isProjectOpen() const { return isProjectPath(m_projectPath); }

signals:
    void pageAdded(int index);
    // The page has gone with its widgets; the later ones moved down one.
    void pageRemoved(int index);
    void pageRenamed(int index);
    // Every page has gone.
    void pagesCleared();
    void widgetAdded(int page, QMyWidget *widget);
    // Sent while the widget is still on its page, just before it is deleted.
    void widgetRemoved(int page, QMyWidget *widget);
    void pictureRemoved(int number);
    // What draws with generated font `number` draws anew.
    void fontChanged(int number);
    void currentPageChanged(int index);
    // A frame setting changed.
    void settingsChanged();

private:
    void deletePage(int index);
    void deleteAllPages();
    template<typename T> void changeSetting(T &setting, const T &value);

    // One widget list per page, in page order; the same index in m_pages.
    QList<PageParam *> m_pages;
    QList<QList<QMyWidget *> *> m_widgets;
    int m_currentPage = 0;
    TimerParam m_timers[TimerCount];
    BootParam m_boot;
    int m_modelType = 0;
    int m_screenType = 0;
    QSize m_frameSize = QSize(0, 0);
    QString m_resolution;
    QString m_baud = QStringLiteral("115200");
    int m_backlight = 20;
    QStringList m_pictures;
    QStringList m_fontIds;
    QStringList m_fontPaths;
    QString m_projectPath;
};

#endif // DESIGNDOCUMENT_H
