#ifndef GENERATEDSTREAM_H
#define GENERATEDSTREAM_H

#include <QByteArray>
#include <QIODevice>

#include <cstring>

// A file of any size made as it is read: a head, then a unit repeated up to the size, cut
// where the size ends. No test writes gigabytes to disk to show what a reader does with
// them. It notes how far it was read.
class GeneratedStream : public QIODevice
{
public:
    GeneratedStream(const QByteArray &head, const QByteArray &unit, qint64 size)
        : m_head(head)
        , m_unit(unit)
        , m_size(size)
    {
        open(QIODevice::ReadOnly);
    }

    qint64 size() const override { return m_size; }
    // The furthest byte read so far.
    qint64 reached() const { return m_reached; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 from = pos();
        const qint64 count = qMin(maxSize, m_size - from);
        for (qint64 done = 0; done < count;) {
            const qint64 at = from + done;
            qint64 n;
            if (at < m_head.size()) {
                n = qMin<qint64>(count - done, m_head.size() - at);
                std::memcpy(data + done, m_head.constData() + at, size_t(n));
            } else {
                const qint64 offset = (at - m_head.size()) % m_unit.size();
                n = qMin<qint64>(count - done, m_unit.size() - offset);
                std::memcpy(data + done, m_unit.constData() + offset, size_t(n));
            }
            done += n;
        }
        m_reached = qMax(m_reached, from + qMax<qint64>(count, 0));
        return qMax<qint64>(count, 0);
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    const QByteArray m_head;
    const QByteArray m_unit;
    const qint64 m_size;
    qint64 m_reached = 0;
};

#endif // GENERATEDSTREAM_H
