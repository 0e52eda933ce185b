#ifndef PROJECTKEYS_H
#define PROJECTKEYS_H

#include "bootparam.h"
#include "pageparam.h"
#include "timerparam.h"

// The keys of pages, timers and boot settings in a project file, with the record members
// they stand for: one table for the writer and the reader.
namespace ProjectKeys {

struct PageKey
{
    const char *name;
    int (PageParam::*get)() const;
    void (PageParam::*set)(int);
};

// The page's look, written as attribute-only elements.
inline const PageKey pageLookKeys[] = {
    {"pageImageNum", &PageParam::pageImageNum, &PageParam::setPageImageNum},
    {"pageGradDir", &PageParam::pageGradDir, &PageParam::setPageGradDir},
    {"pageColorGrad1R", &PageParam::pageColorGrad1R, &PageParam::setPageColorGrad1R},
    {"pageColorGrad1G", &PageParam::pageColorGrad1G, &PageParam::setPageColorGrad1G},
    {"pageColorGrad1B", &PageParam::pageColorGrad1B, &PageParam::setPageColorGrad1B},
    {"pageColorGrad1A", &PageParam::pageColorGrad1A, &PageParam::setPageColorGrad1A},
    {"pageColorGrad2R", &PageParam::pageColorGrad2R, &PageParam::setPageColorGrad2R},
    {"pageColorGrad2G", &PageParam::pageColorGrad2G, &PageParam::setPageColorGrad2G},
    {"pageColorGrad2B", &PageParam::pageColorGrad2B, &PageParam::setPageColorGrad2B},
    {"pageColorGrad2A", &PageParam::pageColorGrad2A, &PageParam::setPageColorGrad2A},
    {"pageOpa", &PageParam::pageOpa, &PageParam::setPageOpa},
    {"pageRadius", &PageParam::pageRadius, &PageParam::setPageRadius},
    {"pageFlag", &PageParam::pageFlag, &PageParam::setPageFlag},
    {"pageState", &PageParam::pageState, &PageParam::setPageState},
    {"pageHelpLineType", &PageParam::pageHelpLineType, &PageParam::setPageHelpLineType},
    {"pageHelpLineLeft", &PageParam::pageHelpLineLeft, &PageParam::setPageHelpLineLeft},
    {"pageHelpLineRight", &PageParam::pageHelpLineRight, &PageParam::setPageHelpLineRight},
    {"pageHelpLineTop", &PageParam::pageHelpLineTop, &PageParam::setPageHelpLineTop},
    {"pageHelpLineBottom", &PageParam::pageHelpLineBottom, &PageParam::setPageHelpLineBottom},
};

// The page's load animation, written as text elements before the name.
inline const PageKey pageAnimKeys[] = {
    {"pageAnimEnabled", &PageParam::pageAnimEnabled, &PageParam::setPageAnimEnabled},
    {"pageAnimMode", &PageParam::pageAnimMode, &PageParam::setPageAnimMode},
    {"pageAnimDir", &PageParam::pageAnimDir, &PageParam::setPageAnimDir},
    {"pageAnimTime", &PageParam::pageAnimTime, &PageParam::setPageAnimTime},
    {"pageAnimX", &PageParam::pageAnimX, &PageParam::setPageAnimX},
    {"pageAnimY", &PageParam::pageAnimY, &PageParam::setPageAnimY},
};

struct TimerKey
{
    const char *name;
    int (TimerParam::*get)() const;
    void (TimerParam::*set)(int);
};

// In file order, which is not the record's order.
inline const TimerKey timerKeys[] = {
    {"timerID", &TimerParam::timerID, &TimerParam::setTimerID},
    {"timerEnable", &TimerParam::timerEnable, &TimerParam::setTimerEnable},
    {"timerOneTime", &TimerParam::timerOneTime, &TimerParam::setTimerOneTime},
    {"timerTime", &TimerParam::timerTime, &TimerParam::setTimerTime},
    {"timerVal", &TimerParam::timerVal, &TimerParam::setTimerVal},
};

struct BootKey
{
    const char *name;
    int (*get)(const BootParam &);
    void (*set)(BootParam &, int);
};

#define BOOT_INT(key, Name)                                                                        \
    {                                                                                              \
        key, [](const BootParam &b) { return b.get##Name(); },                                     \
            [](BootParam &b, int v) { b.set##Name(v); }                                            \
    }
// Flags are written as 0 or 1 and read as true above 0.
#define BOOT_FLAG(key, Name)                                                                       \
    {                                                                                              \
        key, [](const BootParam &b) { return b.get##Name() ? 1 : 0; },                             \
            [](BootParam &b, int v) { b.set##Name(v > 0); }                                        \
    }

// The boot settings in the record's order, which is also the file's.
inline const BootKey bootKeys[] = {
    BOOT_FLAG("bootAnimFlag", AnimFlag),
    BOOT_INT("bootJumpPage", JumpPage),
    BOOT_INT("bootJumpTime", JumpTime),
    BOOT_INT("bootAnimImgID", AnimImgID),
    BOOT_INT("bootAnimStartID", AnimStartID),
    BOOT_INT("bootAnimEndID", AnimEndID),
    BOOT_INT("bootAnimTime", AnimTime),
    BOOT_FLAG("bootAnimCycleFlag", AnimCycleFlag),
    BOOT_INT("bootAnimCount", AnimCount),
    BOOT_INT("bootAnimCurrentPage", AnimCurrentPage),
    BOOT_INT("bootAnimJumpPage", AnimJumpPage),
    BOOT_INT("bootSleepTime", SleepTime),
    BOOT_INT("bootSleepBl", SleepBl),
    BOOT_FLAG("boot485Flag", 485Flag),
    BOOT_INT("boot485Addr", 485Addr),
    BOOT_FLAG("bootCRC16Flag", CRC16Flag),
    BOOT_FLAG("bootPosFlag", PosFlag),
    BOOT_INT("bootBaud", Baud),
    BOOT_INT("bootBl", Bl),
    BOOT_INT("bootBuzzerTime", BuzzerTime),
};

#undef BOOT_INT
#undef BOOT_FLAG

} // namespace ProjectKeys

#endif // PROJECTKEYS_H
