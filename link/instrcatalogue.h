#ifndef INSTRCATALOGUE_H
#define INSTRCATALOGUE_H

#include <QList>
#include <QString>

// The binary instructions the module accepts, as the instruction terminal offers them.
class InstrCatalogue
{
public:
    static constexpr int ParamSlots = 5;

    struct Entry
    {
        QString caption;
        int form = 1; // 1: one command byte, 2: a command byte and a sub-command byte
        int command = 0;
        int subCommand = 0;
        int paramCount = 0;
        QString defaults[ParamSlots]; // "-" at and after paramCount
        int textParam = 0; // 0: every parameter is a number; n: parameter n is a text
        QString help;
    };

    static int size();
    // Every entry in display order, its texts translated at the time of the call.
    static QList<Entry> entries();
};

#endif // INSTRCATALOGUE_H
