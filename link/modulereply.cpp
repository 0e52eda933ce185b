#include "modulereply.h"

#include "ymodemframe.h"

#include <QList>

#include <climits>

namespace {

constexpr char Can = 0x18;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isWordChar(char c)
{
    return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// Plain decimal digits, blanks around them allowed, that fit in 32 bits.
bool plainDecimal(const QByteArray &text, int *value)
{
    const QByteArray digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 10)
        return false;
    for (char c : digits) {
        if (!isDigit(c))
            return false;
    }
    const qint64 number = digits.toLongLong();
    if (number > INT_MAX)
        return false;
    *value = int(number);
    return true;
}

struct LimitKey
{
    const char *key;
    void (InstrParam::*set)(int);
};

const LimitKey limitKeys[] = {{"MAX_PAGE", &InstrParam::setMaxPage},
                              {"MAX_WIDGETS", &InstrParam::setMaxWidgets},
                              {"MAX_PICS", &InstrParam::setMaxPics},
                              {"MAX_COMM_TIMERS", &InstrParam::setMaxCommTimers},
                              {"MAX_FONTS", &InstrParam::setMaxFonts},
                              {"MAX_SERS", &InstrParam::setMaxSers},
                              {"MAX_PATH_SIZE", &InstrParam::setMaxPathSize},
                              {"DEFAULT_MAX_STR_SIZE", &InstrParam::setDefaultMaxStrSize},
                              {"LEFT_MEM", &InstrParam::setLeftMem},
                              {"LEFT_FLASH", &InstrParam::setLeftFlash},
                              {"BPS", &InstrParam::setBps},
                              {"COL", &InstrParam::setCol},
                              {"ROW", &InstrParam::setRow},
                              {"BL", &InstrParam::setBl},
                              {"DIR", &InstrParam::setDir}};

// The key a line gives a value for: the word right before its first "=", with or without
// text in front of it; -1 for none.
int keyOfLine(const QByteArray &line, int *equals)
{
    *equals = line.indexOf('=');
    if (*equals < 0)
        return -1;
    const QByteArray name = line.left(*equals).trimmed();
    for (int k = 0; k < int(std::size(limitKeys)); ++k) {
        const QByteArray key(limitKeys[k].key);
        if (name.endsWith(key)
            && (name.size() == key.size() || !isWordChar(name.at(name.size() - key.size() - 1))))
            return k;
    }
    return -1;
}

// The line "OK" that ends the limits reply: at the start of a line, alone on it (its end may
// still be on the way).
bool holdsEndLine(const QByteArray &reply)
{
    for (int at = reply.indexOf("OK"); at >= 0; at = reply.indexOf("OK", at + 1)) {
        int before = at;
        while (before > 0 && (reply.at(before - 1) == ' ' || reply.at(before - 1) == '\t'))
            --before;
        int after = at + 2;
        while (after < reply.size() && (reply.at(after) == ' ' || reply.at(after) == '\t'))
            ++after;
        if ((before == 0 || isLineEnd(reply.at(before - 1)))
            && (after == reply.size() || isLineEnd(reply.at(after))))
            return true;
    }
    return false;
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
    m_can = false;
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
        takeLinkAnswer(events, false);
        break;
    default:
        takeControlBytes(events, stopAfterAck);
        break;
    }
    return events;
}

ModuleReply::Events ModuleReply::takeAfterQuiet()
{
    if (m_mode != LinkTest)
        return take();
    Events events;
    takeLinkAnswer(events, true);
    return events;
}

void ModuleReply::takeControlBytes(Events &events, bool stopAfterAck)
{
    if (m_held)
        return;
    static const QByteArray report("EP_");
    int used = 0;
    while (used < m_buffer.size()) {
        if (stopAfterAck && m_buffer.at(used) == report.at(0)) {
            const QByteArray start = m_buffer.mid(used, report.size());
            if (start == report) {
                events.reportsBegan = true;
                m_held = true;
                break;
            }
            // The rest of a report may still come.
            if (report.startsWith(start)) {
                events.garbled = true;
                break;
            }
        }
        const char byte = m_buffer.at(used++);
        if (byte == YModemFrame::Ack)
            events.ack = true;
        else if (byte == YModemFrame::Nak)
            events.nak = true;
        else if (byte == YModemFrame::C)
            events.c = true;
        else
            events.garbled = true;
        // The pair may be split over two reads.
        if (byte == Can && m_can)
            events.cancel = true;
        m_can = byte == Can;
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
    if (!holdsEndLine(m_buffer))
        return;
    events.limitsRead = true;
    events.limits = parseLimits(m_buffer, &events.limitsMissing, &events.limitsUnreadable);
    m_mode = ControlBytes;
    clear();
}

InstrParam ModuleReply::parseLimits(const QByteArray &reply, QStringList *missing,
                                    QStringList *unreadable)
{
    InstrParam limits;
    enum State { Missing, Read, Unreadable };
    State states[std::size(limitKeys)] = {};
    // A line may end with CR alone, as the end of the reply may.
    const QList<QByteArray> lines = QByteArray(reply).replace('\r', '\n').split('\n');
    for (const QByteArray &line : lines) {
        int equals = -1;
        const int k = keyOfLine(line, &equals);
        if (k < 0)
            continue;
        int value = 0;
        const bool read = plainDecimal(line.mid(equals + 1), &value);
        (limits.*limitKeys[k].set)(read ? value : 0);
        states[k] = read ? Read : Unreadable;
    }
    for (int k = 0; k < int(std::size(limitKeys)); ++k) {
        QStringList *list = states[k] == Missing ? missing
            : states[k] == Unreadable            ? unreadable
                                                 : nullptr;
        if (list)
            list->append(QLatin1String(limitKeys[k].key));
    }
    return limits;
}

int ModuleReply::followPercent(int current, const Events &events)
{
    int percent = events.percent >= 0 ? events.percent : current;
    if (events.risingPercent > percent)
        percent = events.risingPercent;
    return percent;
}

void ModuleReply::takePercent(Events &events)
{
    events.text = newText();
    // A report is "EP_" and its digits; it is complete once something else follows or it has
    // three digits. One still arriving is kept, and its digits so far are a floor: "EP_1" may
    // end as 1, 10 to 19 or 100, never below 1.
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
            if (digits > 0)
                events.risingPercent = m_buffer.mid(at + 3, digits).toInt();
            break;
        }
        // No digits at all: a garbled report, read as 0.
        events.percent = digits > 0 ? m_buffer.mid(at + 3, digits).toInt() : 0;
        from = end;
    }
    // Text that is no report goes; only the start of a report can be completed later.
    if (keepFrom < 0)
        keepFrom = qMax(from, m_buffer.size() - 2);
    consume(keepFrom);
}

// "GETADDR_", then RS-485 on, address and CRC16 on, separated by "_"; at most one field may
// stand in front of the key, and only blanks and a line end behind the last field. The answer
// is decided as soon as its bytes so far settle it, so it reads the same however it arrives:
// unreadable with the first byte that cannot belong to it, complete with the line end behind
// the last field or, without one, once the line is quiet (a digit may still follow until
// then, and would make the field too long). One that stops short of its last field is
// unreadable once the line is quiet.
void ModuleReply::takeLinkAnswer(Events &events, bool quiet)
{
    events.text = newText();
    static const QByteArray key("GETADDR_");
    const int at = m_buffer.indexOf(key);
    if (at < 0)
        return;
    int lineStart = at;
    while (lineStart > 0 && !isLineEnd(m_buffer.at(lineStart - 1)))
        --lineStart;
    bool readable = m_buffer.mid(lineStart, at - lineStart).count('_') <= 1;

    const int maxDigits[3] = {1, 9, 1};
    int values[3] = {};
    int pos = at + key.size();
    for (int f = 0; f < 3 && readable; ++f) {
        const int start = pos;
        while (pos < m_buffer.size() && isDigit(m_buffer.at(pos)) && pos - start <= maxDigits[f])
            ++pos;
        const int digits = pos - start;
        const bool last = f == 2;
        if (digits > maxDigits[f]) {
            readable = false;
            break;
        }
        // More may come until the line is quiet; after that, an answer cut short before its
        // last digit is as unreadable as a wrong one.
        const bool atEnd = pos == m_buffer.size();
        if (atEnd && !quiet)
            return;
        if (digits == 0 || (!last && (atEnd || m_buffer.at(pos) != '_'))) {
            readable = false;
            break;
        }
        values[f] = m_buffer.mid(start, digits).toInt();
        if (!last)
            ++pos;
    }
    if (readable) {
        while (pos < m_buffer.size() && (m_buffer.at(pos) == ' ' || m_buffer.at(pos) == '\t'))
            ++pos;
        if (pos == m_buffer.size() && !quiet)
            return;
        readable = pos == m_buffer.size() || isLineEnd(m_buffer.at(pos));
    }
    readable = readable && values[0] <= 1 && values[1] <= MaxLinkAddress && values[2] <= 1;
    events.linkAnswered = true;
    events.linkValues = readable;
    if (readable) {
        events.enable = values[0];
        events.address = values[1];
        events.crc = values[2];
    }
    m_mode = ControlBytes;
    clear();
}
