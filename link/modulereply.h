#ifndef MODULEREPLY_H
#define MODULEREPLY_H

#include <QByteArray>
#include <QStringList>

#include "instrparam.h"

// Reads what the module answers on the download link as one stream: bytes may arrive split
// over several reads or run together, and nothing is dropped between a control byte and the
// text that follows it. The buffer is bounded.
class ModuleReply
{
public:
    enum Mode { ControlBytes = 0, Limits = 1, Unpacking = 2, LinkTest = 3 };
    static constexpr int MaxBuffered = 64 * 1024;

    // What one parse found.
    struct Events
    {
        QByteArray controlBytes; // bytes read as control bytes, for the log
        QByteArray text; // bytes read as text, for the log
        bool ack = false;
        bool nak = false;
        bool c = false;
        bool cancel = false; // two CAN bytes in a row: the module left the batch
        // A byte that is none of ACK, NAK and C: a CAN too, since one alone answers nothing.
        bool garbled = false;
        // Read behind the last block: the module's first unpacking report has come, which it
        // sends only once it has the batch. It is kept for the unpacking mode.
        bool reportsBegan = false;
        bool limitsRead = false; // the limits reply is complete; see limits
        InstrParam limits;
        QStringList limitsMissing; // keys the reply does not give
        QStringList limitsUnreadable; // keys it gives without a plain decimal value
        int percent = -1; // the latest complete unpacking report, -1 for none
        // A report still arriving: the least it can end as (its digits so far); -1 for none.
        int risingPercent = -1;
        bool linkAnswered = false;
        bool linkValues = false; // the link-test answer had three fields in range
        int enable = 0;
        int address = 0;
        int crc = 0;
    };

    // The link-test fields: RS-485 on (0 or 1), its address, CRC16 on (0 or 1).
    static constexpr int MaxLinkAddress = 999999999;

    int mode() const { return m_mode; }
    // Limits and link-test queries start from an empty buffer; the unpacking reports keep
    // whatever arrived behind the final acknowledgement.
    void setMode(int mode);
    void clear();
    void append(const QByteArray &bytes);
    int buffered() const { return m_buffer.size(); }

    // Reads what is buffered in the current mode. With stopAfterAck, control-byte reading
    // stops behind the first ACK, or in front of the first unpacking report, and leaves the
    // rest for the next mode.
    Events take(bool stopAfterAck = false);
    // The same, once the line has been quiet for a while: a link-test answer whose last
    // field ends with the bytes so far is complete, since no more digits are coming; one
    // cut short before that is unreadable.
    Events takeAfterQuiet();

    // The limits reply: KEY=value lines separated by "\r\n" (or either alone), the value plain
    // decimal digits that fit in 32 bits. Keys without such a value are listed, and their fields
    // stay 0.
    static InstrParam parseLimits(const QByteArray &reply, QStringList *missing = nullptr,
                                  QStringList *unreadable = nullptr);
    // The unpacking percentage after a parse, from the one before: a complete report is
    // taken as it is; one still arriving only raises it, since its digits can only grow.
    static int followPercent(int current, const Events &events);

private:
    void takeControlBytes(Events &events, bool stopAfterAck);
    void takeLimits(Events &events);
    void takePercent(Events &events);
    void takeLinkAnswer(Events &events, bool quiet);
    QByteArray newText();
    void consume(int count);

    int m_mode = ControlBytes;
    bool m_held = false;
    bool m_can = false; // the last control byte was a CAN
    QByteArray m_buffer;
    int m_logged = 0; // bytes of the buffer already handed out for the log
};

#endif // MODULEREPLY_H
