#include "messagetext.h"

namespace MessageText {

QString quotedStart(const QString &value, int shown)
{
    if (value.size() <= shown)
        return value;
    const int cut = value.at(shown - 1).isHighSurrogate() ? shown - 1 : shown;
    return value.left(cut) + QStringLiteral("…");
}

} // namespace MessageText
