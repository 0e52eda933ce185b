#include "designdocument.h"

#include "imagereferences.h"
#include "pageparam.h"
#include "qmywidget.h"

#include <QCoreApplication>

#include <utility>

namespace {

const QList<QMyWidget *> noWidgets;

} // namespace

DesignDocument::DesignDocument(QObject *parent)
    : QObject(parent)
{
    resetTimers();
}

DesignDocument::~DesignDocument()
{
    deleteAllPages();
}

int DesignDocument::pageAfterDeletion(int shown, int deleted)
{
    const int next = shown < deleted ? shown : shown - 1;
    return next < 0 ? 0 : next;
}

const QList<QMyWidget *> &DesignDocument::widgets(int page) const
{
    return page >= 0 && page < m_widgets.size() ? *m_widgets.at(page) : noWidgets;
}

int DesignDocument::pageOf(const QMyWidget *w) const
{
    for (int page = 0; page < m_widgets.size(); ++page) {
        if (m_widgets.at(page)->contains(const_cast<QMyWidget *>(w)))
            return page;
    }
    return -1;
}

int DesignDocument::addPage()
{
    m_pages.append(new PageParam);
    m_widgets.append(new QList<QMyWidget *>);
    const int index = m_pages.size() - 1;
    emit pageAdded(index);
    return index;
}

void DesignDocument::deletePage(int index)
{
    QList<QMyWidget *> *widgets = m_widgets.takeAt(index);
    qDeleteAll(*widgets);
    delete widgets;
    delete m_pages.takeAt(index);
}

void DesignDocument::removePage(int index, int shown)
{
    const int count = m_pages.size();
    if (index < 0 || index >= count)
        return;
    deletePage(index);
    // What the boot settings name keeps naming the same page; the deleted one gives way to
    // the one shown instead.
    m_boot.setJumpPage(pageAfterDeletion(m_boot.getJumpPage(), index));
    m_boot.setAnimCurrentPage(pageAfterDeletion(m_boot.getAnimCurrentPage(), index));
    m_boot.setAnimJumpPage(pageAfterDeletion(m_boot.getAnimJumpPage(), index));
    const int before = m_currentPage;
    m_currentPage =
        qMin(pageAfterDeletion(qMin(shown, count - 1), index), qMax(0, m_pages.size() - 1));
    emit pageRemoved(index);
    if (m_currentPage != before)
        emit currentPageChanged(m_currentPage);
}

// Front to back and each page's widgets in their order, which is the order they were
// made in: each is then found at once among the children of the widget they share.
// Their requests to be polished are answered first, in one pass over the queue, instead
// of each being searched for there when it goes.
void DesignDocument::deleteAllPages()
{
    const QList<PageParam *> pages = std::exchange(m_pages, {});
    const QList<QList<QMyWidget *> *> widgets = std::exchange(m_widgets, {});
    if (!widgets.isEmpty())
        QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
    for (QList<QMyWidget *> *list : widgets) {
        qDeleteAll(*list);
        delete list;
    }
    qDeleteAll(pages);
}

void DesignDocument::clearPages()
{
    deleteAllPages();
    m_currentPage = 0;
    emit pagesCleared();
}

void DesignDocument::setPageName(int index, const QString &name)
{
    if (PageParam *record = page(index)) {
        record->setPageName(name);
        emit pageRenamed(index);
    }
}

bool DesignDocument::addWidget(int page, QMyWidget *w)
{
    if (page < 0 || page >= m_widgets.size() || !w)
        return false;
    m_widgets.at(page)->append(w);
    w->setDocument(this);
    emit widgetAdded(page, w);
    return true;
}

void DesignDocument::removeWidget(QMyWidget *w)
{
    const int page = pageOf(w);
    if (page < 0)
        return;
    emit widgetRemoved(page, w);
    m_widgets.at(page)->removeOne(w);
    delete w;
}

void DesignDocument::setCurrentPage(int index)
{
    if (index == m_currentPage)
        return;
    m_currentPage = index;
    emit currentPageChanged(index);
}

TimerParam *DesignDocument::timer(int index) const
{
    return index >= 0 && index < TimerCount ? const_cast<TimerParam *>(&m_timers[index]) : nullptr;
}

void DesignDocument::resetTimers()
{
    for (int i = 0; i < TimerCount; ++i) {
        m_timers[i].reset();
        m_timers[i].setTimerID(i);
    }
}

template<typename T> void DesignDocument::changeSetting(T &setting, const T &value)
{
    if (setting == value)
        return;
    setting = value;
    emit settingsChanged();
}

void DesignDocument::setModelType(int series)
{
    changeSetting(m_modelType, series);
}

void DesignDocument::setScreenType(int orientation)
{
    changeSetting(m_screenType, orientation);
}

void DesignDocument::setFrameSize(const QSize &size)
{
    changeSetting(m_frameSize, size);
}

void DesignDocument::setResolution(const QString &text)
{
    changeSetting(m_resolution, text);
}

void DesignDocument::setBaud(const QString &text)
{
    changeSetting(m_baud, text);
}

void DesignDocument::setBacklight(int value)
{
    changeSetting(m_backlight, value);
}

void DesignDocument::setPictures(const QStringList &paths)
{
    m_pictures = paths;
}

void DesignDocument::addPicture(const QString &path)
{
    m_pictures.append(path);
}

void DesignDocument::removePicture(int number)
{
    if (number < 0 || number >= m_pictures.size())
        return;
    m_pictures.removeAt(number);
    const ImageReferences::Changes changes = ImageReferences::renumberDesign(*this, number);
    for (QMyWidget *w : changes.widgets)
        w->update();
    // The range names pictures only while the animation is on.
    if (m_boot.getAnimFlag()) {
        int start = m_boot.getAnimStartID();
        int end = m_boot.getAnimEndID();
        ImageReferences::renumberRange(&start, &end, number);
        m_boot.setAnimStartID(start);
        m_boot.setAnimEndID(end);
    }
    emit pictureRemoved(number);
}

void DesignDocument::setFontIds(const QStringList &ids)
{
    m_fontIds = ids;
}

void DesignDocument::setFontPaths(const QStringList &paths)
{
    m_fontPaths = paths;
}

void DesignDocument::markFontChanged(int number)
{
    emit fontChanged(number);
}

bool DesignDocument::isProjectPath(const QString &path)
{
    return path.contains(QLatin1String(".yBEX"));
}

void DesignDocument::setProjectPath(const QString &path)
{
    m_projectPath = path;
}
