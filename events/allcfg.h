#ifndef ALLCFG_H
#define ALLCFG_H

#include "widgettype.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class BootParam;
class DesignDocument;
class EventHolder;
class PageParam;
class QColor;
class QMyWidget;
class TimerParam;

// The module-file generator: turns the open project into the module's scripts, one page
// file per page and the container all.cfg that packs them with the template files. Only
// all.cfg reaches the disk, in the project's allFile folder. The block and record builders
// are pure functions of the design's values, so every byte the module reads can be checked
// without a run.
class AllCfg : public QObject
{
    Q_OBJECT

public:
    // Results of a run; 98 to 116 are the codes the module's makers know. The run puts
    // the container together in memory and writes all.cfg alone, so only a template, a
    // page, an event or the write of all.cfg can fail it.
    enum Result {
        Success = 0,
        // A template (init.bin, xvar.bin, keyboard.py) or the template folder is missing
        // or cannot be used.
        CopyInitFailed = 98,
        CopyXvarFailed = 99,
        CopyKeyboardFailed = 100,
        // The output folder or all.cfg cannot be made ready or created.
        CreateAllCfgFailed = 104,
        WriteAllCfgFailed = 118,
        RecordOffsetTooLarge = 121,
        TextTooLong = 122,
        SeriesTooLong = 123,
        DuplicateWidgetId = 124,
        WidgetIdOutOfRange = 125,
        UnsafeEventParameter = 126,
        MissingFont = 127,
        MissingPicture = 128,
    };

    static constexpr int TimerCount = 9;
    static constexpr int SleepTimer = 8;
    // Length fields of the page file are 16 bits wide.
    static constexpr int FieldLimit = 0xFFFF;
    // The choices of a page's gradient direction, flag and load animation (speed curves
    // and directions).
    static constexpr int PageGradDirections = 3;
    static constexpr int PageFlags = 2;
    static constexpr int PageAnimModes = 7;
    static constexpr int PageAnimDirections = 8;

    explicit AllCfg(QObject *parent = nullptr);

    // One whole run for a design; 0 or the code of the step that failed. After a success
    // the design's output folder holds all.cfg alone and pageFileSizes() the page-file
    // sizes; after a failure it holds no all.cfg. Each widget goes out as its property
    // sheet would leave it (AttributeLimits::settle), while the design keeps its values.
    int createAllCfg(const DesignDocument &design);
    // The sizes of the page files of the last run that succeeded, page by page.
    QList<int> pageFileSizes() const { return m_pageFileSizes; }

    // The folder of init.bin, xvar.bin and keyboard.py: file/ beside the program unless set.
    QString templateFolder() const;
    void setTemplateFolder(const QString &folder) { m_templateFolder = folder; }
    // The allFile folder of the project whose file is at projectPath.
    static QString outputFolder(const QString &projectPath);

    // What the last failure concerns (page, widget, file) and its cause, in words.
    QString failureDetail() const;

    // ---- Page file ------------------------------------------------------------------
    // Four little-endian 16-bit numbers.
    static QByteArray shortBlock(int a, int b, int c, int d);
    // Page-block bytes 16 to 47 and 48 to 59.
    static QByteArray pageRecord(const PageParam &page);
    static QByteArray pageAnimBlock(const PageParam &page);
    static QByteArray textBlock(const QMyWidget &w);
    static QByteArray mainStyleBlock(const QMyWidget &w);
    static QByteArray selectStyleBlock(const QMyWidget &w);
    static QByteArray pressStyleBlock(const QMyWidget &w);
    static QByteArray handleStyleBlock(const QMyWidget &w);
    static QByteArray progStyleBlock(const QMyWidget &w);
    static QByteArray mainImageBlock(const QMyWidget &w);
    static QByteArray selectImageBlock(const QMyWidget &w);
    static QByteArray pressImageBlock(const QMyWidget &w);
    static QByteArray handleImageBlock(const QMyWidget &w);
    static QByteArray progImageBlock(const QMyWidget &w);
    static QByteArray animBlock(const QMyWidget &w);
    static QByteArray chartAxisBlock(const QMyWidget &w, int axis);
    // The zero bytes that bring bytes to a multiple of four.
    static QByteArray paddingFor(const QByteArray &bytes);

    // The text bytes of a record: the UTF-8 text cut or padded to length bytes.
    static QByteArray textBytes(const QString &text, int length);
    // The chart's series values joined by "/"; its byte length, computed without building
    // it, so that a count from a file cannot make it huge.
    static QByteArray chartSeriesText(const QMyWidget &w);
    static qint64 chartSeriesTextLength(const QMyWidget &w);

    // One widget's record starting at offset in its page file; empty for an unknown type.
    // Assumes the lengths were checked (recordProblem).
    static QByteArray widgetRecord(const QMyWidget &w, int offset);
    // The code that stops a run for this widget's record, or 0.
    static int recordProblem(const QMyWidget &w, qint64 offset);
    // Whether a font row of the widget's sheet names a font number that none of the
    // generated fonts (fontIds, decimal texts) has; *font is the first such number.
    static bool fontMissing(const QMyWidget &w, const QStringList &fontIds, int *font = nullptr);
    // The picture numbers a widget's record gives the module as pictures it has: the
    // number of each image block and image flag, unless the record says it shows none.
    static QList<int> recordPictures(const QMyWidget &w);
    // Whether the record gives the module a picture beyond the library's pictureCount
    // pictures, which the picture download never sends; *picture is the first such one.
    static bool pictureMissing(const QMyWidget &w, int pictureCount, int *picture = nullptr);
    // The same for a page's background and the boot animation's picture range.
    static bool backgroundMissing(const PageParam &page, int pictureCount, int *picture = nullptr);
    static bool animationPictureMissing(const BootParam &boot, int pictureCount,
                                        int *picture = nullptr);
    // A whole page file; on a widget that cannot be written, its code and the widget.
    static int pageFile(const PageParam &page, const QList<QMyWidget *> &widgets, int width,
                        int height, QByteArray *bytes, const QMyWidget **culprit = nullptr);

    // ---- Scripts --------------------------------------------------------------------
    static QByteArray bootScript(const BootParam &boot, int direction,
                                 TimerParam *const timers[TimerCount]);
    // Number of event types of a holder's owner kind, taken from its first event.
    static int eventTypeCount(const EventHolder &holder);
    // The index of the first event whose line its parameters would break, among those that
    // reach a script (hand-written code replaces its type's events); -1 when none.
    static int unsafeEvent(const EventHolder &holder);
    // Appends the code of one event type to a script, putting the first line first while
    // the script is empty; false when nothing belongs to that type.
    static bool appendEventCode(QByteArray &script, const EventHolder &holder, int type);
    // The script of each of a holder's event types, made in one pass over its events; empty
    // for a type that has none. Type for type the bytes appendEventCode gives. With
    // unsafe, stops at the first event unsafeEvent names and gives its index there.
    static QVector<QByteArray> eventScripts(const EventHolder &holder, int *unsafe = nullptr);
    static QByteArray timerScript(const EventHolder &timer);
    // sleepout.py (type 0) and sleepin.py (type 1).
    static QByteArray sleepScript(const EventHolder &sleepTimer, int type);

    // ---- Container ------------------------------------------------------------------
    // The 16-byte header of a section holding length bytes.
    static constexpr int SectionHeaderSize = 16;
    static QByteArray sectionHeader(int id, int page, int widgetId, int eventType, quint32 length);
    // The same into out, which has room for SectionHeaderSize bytes.
    static void writeSectionHeader(char *out, int id, int page, int widgetId, int eventType,
                                   quint32 length);
    // Section id of a widget type's event scripts, 0 for types that hold no events.
    static int widgetSectionId(WidgetType type);

private:
    struct Failure
    {
        int code = 0;
        int page = -1;
        int timer = -1;
        int widgetId = 0;
        QString widget; // "Btn-3"
        QString detail; // what the code alone does not say
        QString event; // an event's type and function
        QString param; // and its parameter
        int problem = 0; // EventInfo::CodeProblem
        QString value; // the text of an argument that is no expression
        int font = -1; // a font number no generated font has
        int picture = -1; // a picture number the library lacks
        bool boot = false; // the boot animation's picture
    };

    // What one page gives: its page file and its event scripts, or what keeps them out.
    struct PageOutput;
    // The module maker's files every container carries.
    struct Templates
    {
        QByteArray init;
        QByteArray xvar;
        QByteArray keyboard;
    };

    int fail(int code, int page = -1, const QMyWidget *w = nullptr,
             const QString &detail = QString());
    int run(const DesignDocument &design);
    // The steps of a run, in their order.
    int prepareOutputFolder(const QString &out);
    static void makePage(const DesignDocument &design, int k, PageOutput *out);
    static QVector<PageOutput> makePages(const DesignDocument &design);
    int checkPages(const DesignDocument &design, const QVector<PageOutput> &pages);
    int checkBoot(const DesignDocument &design);
    int checkEvents(const QVector<PageOutput> &pages, TimerParam *timers[TimerCount]);
    int readTemplates(const QString &folder, Templates *templates);
    int readTemplate(const QString &folder, const char *name, int code, QByteArray *bytes);
    int writeContainer(const QString &out, const Templates &templates, QVector<PageOutput> &pages,
                       const BootParam &boot, int direction, TimerParam *timers[TimerCount]);
    static void keepOnlyContainer(const QString &out);
    // Refuses an event whose parameters would break its script line.
    int failUnsafeEvent(const EventHolder &holder, int event, int page, const QMyWidget *w,
                        int timer);

    QString m_templateFolder;
    Failure m_failure;
    QList<int> m_pageFileSizes;
};

#endif // ALLCFG_H
