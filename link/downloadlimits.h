#ifndef DOWNLOADLIMITS_H
#define DOWNLOADLIMITS_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "instrparam.h"
#include "ymodemjob.h"

// Checks a download against the limits the module reported. Each check returns the report
// of what is exceeded, empty when the download may go ahead. Sizes are 64-bit throughout.
class DownloadLimits
{
    Q_DECLARE_TR_FUNCTIONS(DownloadLimits)

public:
    // Page files bigger than this never fit the module's page buffer.
    static constexpr qint64 MaxPageFileSize = 66560;

    static QString checkProject(const InstrParam &limits, const YModemJob &job,
                                qint64 containerSize);
    static QString checkPictures(const InstrParam &limits, int count, qint64 totalSize);
    static QString checkFonts(const InstrParam &limits, int count, qint64 totalSize);

    // The reply keys a job's check compares with.
    static QStringList keysChecked(int job);
    // Why the reply cannot be checked for the job: the keys it lacks and those without a
    // readable value, in words; empty when every key the check needs was read.
    static QString unreadableReply(int job, const QStringList &missing,
                                   const QStringList &unreadable);
};

#endif // DOWNLOADLIMITS_H
