#include "modulereply.h"

#include "ymodemframe.h"

#include <QList>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A decimal int; 0 when it is no number or does not fit in 32 bits.
int decimal(const QByteArray &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

} // namespace

void ModuleReply::setMode(int mode)
{
    m_mode = mode;
    m_held = false;
    if (mode == Limits || mode == LinkTest)
        clear();
}

void ModuleReply::clear()
{
    m_buffer.clear();
    m_logged = 0;
    m_held = false;
}

void ModuleReply::append(const QByteArray &bytes)
{
    m_buffer.append(bytes);
    if (m_buffer.size() > MaxBuffered)
        consume(m_buffer.size() - MaxBuffered);
}

QByteArray ModuleReply::newText()
{
    const QByteArray text = m_buffer.mid(m_logged);
    m_logged = m_buffer.size();
    return text;
}

void ModuleReply::consume(int count)
{
    m_buffer.remove(0, count);
    m_logged = qMax(0, m_logged - count);
}

ModuleReply::Events ModuleReply::take(bool stopAfterAck)
{
    Events events;
    switch (m_mode) {
    case Limits:
        takeLimits(events);
        break;
    case Unpacking:
        takePercent(events);
        break;
    case LinkTest:
        takeLinkAnswer(events);
        break;
    default:
        takeControlBytes(events, stopAfterAck);
        break;
    }
    return events;
}

void ModuleReply::takeControlBytes(Events &events, bool stopAfterAck)
{
    if (m_held)
        return;
    int used = 0;
    while (used < m_buffer.size()) {
        const char byte = m_buffer.at(used++);
        if (byte == YModemFrame::Ack)
            events.ack = true;
        else if (byte == YModemFrame::Nak)
            events.nak = true;
        else if (byte == YModemFrame::C)
            events.c = true;
        if (byte == YModemFrame::Ack && stopAfterAck) {
            m_held = true;
            break;
        }
    }
    events.controlBytes = m_buffer.left(used);
    consume(used);
}

void ModuleReply::takeLimits(Events &events)
{
    events.text = newText();
    if (!m_buffer.contains("OK"))
        return;
    events.limitsRead = true;
    events.limits = parseLimits(m_buffer);
    m_mode = ControlBytes;
    clear();
}

InstrParam ModuleReply::parseLimits(const QByteArray &reply)
{
    InstrParam limits;
    static const char *const keys[] = {"MAX_PAGE",
                                       "MAX_WIDGETS",
                                       "MAX_PICS",
                                       "MAX_COMM_TIMERS",
                                       "MAX_FONTS",
                                       "MAX_SERS",
                                       "MAX_PATH_SIZE",
                                       "DEFAULT_MAX_STR_SIZE",
                                       "LEFT_MEM",
                                       "LEFT_FLASH",
                                       "BPS",
                                       "COL",
                                       "ROW",
                                       "BL",
                                       "DIR"};
    void (InstrParam::*const setters[])(int) = {
        &InstrParam::setMaxPage,     &InstrParam::setMaxWidgets,
        &InstrParam::setMaxPics,     &InstrParam::setMaxCommTimers,
        &InstrParam::setMaxFonts,    &InstrParam::setMaxSers,
        &InstrParam::setMaxPathSize, &InstrParam::setDefaultMaxStrSize,
        &InstrParam::setLeftMem,     &InstrParam::setLeftFlash,
        &InstrParam::setBps,         &InstrParam::setCol,
        &InstrParam::setRow,         &InstrParam::setBl,
        &InstrParam::setDir};
    const QList<QByteArray> lines = reply.split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        for (int k = 0; k < 15; ++k) {
            if (!line.contains(keys[k]))
                continue;
            const int equals = line.indexOf('=');
            // A line without "=" has no value: it counts as 0.
            (limits.*setters[k])(equals < 0 ? 0
                                            : decimal(line.mid(equals + 1).split('=').value(0)));
            break;
        }
    }
    return limits;
}

void ModuleReply::takePercent(Events &events)
{
    events.text = newText();
    // A report is "EP_" and its digits; it is complete once something else follows or it has
    // three digits, so "EP_1" is never read as the start of "EP_100".
    int keepFrom = -1;
    int from = 0;
    for (;;) {
        const int at = m_buffer.indexOf("EP_", from);
        if (at < 0)
            break;
        int end = at + 3;
        while (end < m_buffer.size() && isDigit(m_buffer.at(end)) && end - (at + 3) < 3)
            ++end;
        const int digits = end - (at + 3);
        if (digits < 3 && end == m_buffer.size()) {
            keepFrom = at;
            break;
        }
        events.percent = decimal(m_buffer.mid(at + 3, digits));
        from = end;
    }
    // Text that is no report goes; only the start of a report can be completed later.
    if (keepFrom < 0)
        keepFrom = qMax(from, m_buffer.size() - 2);
    consume(keepFrom);
}

void ModuleReply::takeLinkAnswer(Events &events)
{
    events.text = newText();
    const int at = m_buffer.indexOf("GETADDR_");
    if (at < 0)
        return;
    int lineStart = at;
    while (lineStart > 0 && m_buffer.at(lineStart - 1) != '\n'
           && m_buffer.at(lineStart - 1) != '\r')
        --lineStart;
    int lineEnd = at;
    while (lineEnd < m_buffer.size() && m_buffer.at(lineEnd) != '\n'
           && m_buffer.at(lineEnd) != '\r')
        ++lineEnd;
    if (lineEnd == m_buffer.size()) {
        // No line end yet: complete once the three fields after the key are there.
        const QList<QByteArray> fields = m_buffer.mid(at + 8).split('_');
        if (fields.size() < 3 || fields.at(2).isEmpty())
            return;
    }
    const QList<QByteArray> parts = m_buffer.mid(lineStart, lineEnd - lineStart).split('_');
    if (parts.size() == 4 || parts.size() == 5) {
        const int first = parts.size() - 3;
        events.linkValues = true;
        events.enable = decimal(parts.at(first));
        events.address = decimal(parts.at(first + 1));
        events.crc = decimal(parts.at(first + 2));
    }
    events.linkAnswered = true;
    m_mode = ControlBytes;
    clear();
}
