// The module's scripts: lines in its Python-like language, one user. call per line, CR LF
// line ends, "import user" first.

#include "allcfg.h"

#include "bootparam.h"
#include "eventholder.h"
#include "timerparam.h"

namespace {

const char FirstLine[] = "import user\r\n";

QByteArray line(const QString &text)
{
    return text.toLatin1() + "\r\n";
}

} // namespace

QByteArray AllCfg::bootScript(const BootParam &boot, int direction,
                              TimerParam *const timers[TimerCount])
{
    QByteArray s = FirstLine;
    s += line(QStringLiteral("user.set_bps(%1)").arg(boot.getBaud()));
    // In 64 bits, so that a backlight from a file cannot overflow.
    s += line(QStringLiteral("user.set_bl(%1)").arg(qint64(boot.getBl()) * 255 / 100));
    if (boot.getBuzzerTime() > 0)
        s += line(QStringLiteral("user.set_buzzer(%1)").arg(boot.getBuzzerTime()));
    for (int t = 0; t < SleepTimer; ++t) {
        const TimerParam *timer = timers[t];
        s += line(QStringLiteral("user.set_timer(%1,%2,%3,%4)")
                      .arg(timer->timerID())
                      .arg(timer->timerOneTime() != 0 ? 1 : 0)
                      .arg(timer->timerTime())
                      .arg(timer->timerEnable() != 0 ? 1 : 0));
    }
    const TimerParam *sleep = timers[SleepTimer];
    s += line(
        QStringLiteral("user.set_sleep(%1,%2)").arg(sleep->timerTime()).arg(sleep->timerVal()));
    if (boot.get485Flag()) {
        s += line(QStringLiteral("user.addr_enable(1)"));
        s += line(QStringLiteral("user.set_addr(%1)").arg(boot.get485Addr()));
    }
    if (boot.getCRC16Flag())
        s += line(QStringLiteral("user.set_crc16(1)"));
    if (boot.getPosFlag())
        s += line(QStringLiteral("user.report_pos(1)"));
    s += line(QStringLiteral("user.set_dir(%1)").arg(direction));
    if (boot.getAnimFlag()) {
        s += line(QStringLiteral("user.set_gif(%1,%2,%3,%4,%5,%6,%7,%8,1)")
                      .arg(boot.getAnimImgID())
                      .arg(boot.getAnimStartID())
                      .arg(boot.getAnimEndID())
                      .arg(boot.getAnimTime())
                      .arg(boot.getAnimCount())
                      .arg(boot.getAnimCycleFlag() ? 1 : 0)
                      .arg(boot.getAnimCurrentPage())
                      .arg(boot.getAnimJumpPage()));
    } else {
        s += line(
            QStringLiteral("user.set_page(%1,%2)").arg(boot.getJumpPage()).arg(boot.getJumpTime()));
    }
    return s;
}

int AllCfg::eventTypeCount(const EventHolder &holder)
{
    if (holder.eventCount() == 0)
        return 0;
    // constFirst: a detached copy of every event would cost more than the whole script.
    return holder.events().constFirst().typeCount();
}

int AllCfg::unsafeEvent(const EventHolder &holder)
{
    const int types = eventTypeCount(holder);
    const QList<EventInfo> events = holder.events();
    for (int i = 0; i < events.size(); ++i) {
        const int type = events.at(i).type();
        if (type < 0 || type >= types || holder.status(type) != 0)
            continue;
        if (events.at(i).codeProblem() != EventInfo::CodeProblem::None)
            return i;
    }
    return -1;
}

bool AllCfg::appendEventCode(QByteArray &script, const EventHolder &holder, int type)
{
    bool wrote = false;
    const auto begin = [&] {
        if (script.isEmpty())
            script = FirstLine;
        wrote = true;
    };
    // Hand-written code replaces the events of its type and goes out as typed.
    if (holder.status(type) != 0) {
        begin();
        script += holder.text(type).toUtf8();
        return true;
    }
    const QList<EventInfo> events = holder.events();
    for (const EventInfo &event : events) {
        if (event.type() == type) {
            begin();
            script += event.toCode();
        }
    }
    return wrote;
}

QVector<QByteArray> AllCfg::eventScripts(const EventHolder &holder, int *unsafe)
{
    const int types = eventTypeCount(holder);
    QVector<QByteArray> scripts(types);
    QVector<bool> handWritten(types);
    for (int n = 0; n < types; ++n) {
        handWritten[n] = holder.status(n) != 0;
        if (handWritten[n])
            scripts[n] = FirstLine + holder.text(n).toUtf8();
    }
    const QList<EventInfo> events = holder.events();
    for (int i = 0; i < events.size(); ++i) {
        const EventInfo &event = events.at(i);
        const int n = event.type();
        if (n < 0 || n >= types || handWritten.at(n))
            continue;
        if (unsafe && event.codeProblem() != EventInfo::CodeProblem::None) {
            *unsafe = i;
            return scripts;
        }
        QByteArray &script = scripts[n];
        if (script.isEmpty())
            script = FirstLine;
        script += event.toCode();
    }
    return scripts;
}

QByteArray AllCfg::timerScript(const EventHolder &timer)
{
    QByteArray script;
    const int types = eventTypeCount(timer);
    for (int n = 0; n < types; ++n)
        appendEventCode(script, timer, n);
    return script;
}

QByteArray AllCfg::sleepScript(const EventHolder &sleepTimer, int type)
{
    QByteArray script;
    if (type < eventTypeCount(sleepTimer))
        appendEventCode(script, sleepTimer, type);
    return script;
}
