#ifndef PTYANSWERER_H
#define PTYANSWERER_H

// Plays the display module on the master side of a PtyPair inside the test's event loop:
// whatever the program writes is collected, and a script decides what to answer.

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>

#include <functional>

#include "ptypair.h"

class PtyAnswerer : public QObject
{
public:
    // The script sees the bytes not yet consumed, removes what it has answered and returns
    // the answer (empty for none).
    using Script = std::function<QByteArray(QByteArray &pending)>;

    explicit PtyAnswerer(PtyPair *pty, Script script = {})
        : pty(pty)
        , script(std::move(script))
        , notifier(pty->masterFd(), QSocketNotifier::Read)
    {
        connect(&notifier, &QSocketNotifier::activated, this, [this] { readAvailable(); });
    }

    void setScript(Script s) { script = std::move(s); }

    // Sends bytes to the program without being asked.
    void send(const QByteArray &bytes) { pty->write(bytes); }

    // Unplugs the adapter: the device node vanishes and the program sees a hang-up.
    void unplug()
    {
        notifier.setEnabled(false);
        pty->close();
    }

    QByteArray received; // everything the program wrote
    QByteArray pending; // what the script has not consumed yet

private:
    void readAvailable()
    {
        const QByteArray bytes = pty->read(0);
        if (bytes.isEmpty())
            return;
        received += bytes;
        pending += bytes;
        if (!script)
            return;
        for (;;) {
            const int before = pending.size();
            const QByteArray answer = script(pending);
            if (!answer.isEmpty())
                pty->write(answer);
            if (pending.size() == before || pending.isEmpty())
                break;
        }
    }

    PtyPair *pty;
    Script script;
    QSocketNotifier notifier;
};

#endif // PTYANSWERER_H
