#ifndef MODULEREPLY_H
#define MODULEREPLY_H

#include <QByteArray>

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
        bool limitsRead = false; // the limits reply is complete; see limits
        InstrParam limits;
        int percent = -1; // the latest complete unpacking report, -1 for none
        bool linkAnswered = false;
        bool linkValues = false; // the link-test answer had its three fields
        int enable = 0;
        int address = 0;
        int crc = 0;
    };

    int mode() const { return m_mode; }
    // Limits and link-test queries start from an empty buffer; the unpacking reports keep
    // whatever arrived behind the final acknowledgement.
    void setMode(int mode);
    void clear();
    void append(const QByteArray &bytes);
    int buffered() const { return m_buffer.size(); }

    // Reads what is buffered in the current mode. With stopAfterAck, control-byte reading
    // stops behind the first ACK and leaves the rest for the next mode.
    Events take(bool stopAfterAck = false);

    // The limits reply: key=value lines separated by "\r\n".
    static InstrParam parseLimits(const QByteArray &reply);

private:
    void takeControlBytes(Events &events, bool stopAfterAck);
    void takeLimits(Events &events);
    void takePercent(Events &events);
    void takeLinkAnswer(Events &events);
    QByteArray newText();
    void consume(int count);

    int m_mode = ControlBytes;
    bool m_held = false;
    QByteArray m_buffer;
    int m_logged = 0; // bytes of the buffer already handed out for the log
};

#endif // MODULEREPLY_H
