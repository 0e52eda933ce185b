#ifndef DOWNLOADLIMITS_H
#define DOWNLOADLIMITS_H

#include <QCoreApplication>
#include <QString>

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
};

#endif // DOWNLOADLIMITS_H
