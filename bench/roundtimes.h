#ifndef ROUNDTIMES_H
#define ROUNDTIMES_H

#include <QElapsedTimer>
#include <QVector>

#include <algorithm>
#include <functional>

inline double elapsedMs(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.nsecsElapsed() / 1e6;
}

// The times one step took in repeated rounds. They are summed up by their median, which a
// busy machine shifts least, and shown with their spread; ratios are taken of medians, so
// that the printed figures divide to the printed ratio.
class RoundTimes
{
public:
    void time(const std::function<void()> &step) { m_ms.append(elapsedMs(step)); }

    double fastest() const
    {
        return m_ms.isEmpty() ? 0 : *std::min_element(m_ms.begin(), m_ms.end());
    }
    double slowest() const
    {
        return m_ms.isEmpty() ? 0 : *std::max_element(m_ms.begin(), m_ms.end());
    }
    double median() const
    {
        if (m_ms.isEmpty())
            return 0;
        QVector<double> sorted = m_ms;
        std::sort(sorted.begin(), sorted.end());
        const int half = sorted.size() / 2;
        return sorted.size() % 2 ? sorted.at(half) : (sorted.at(half - 1) + sorted.at(half)) / 2;
    }

private:
    QVector<double> m_ms;
};

#endif // ROUNDTIMES_H
