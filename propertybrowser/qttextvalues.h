#ifndef QTTEXTVALUES_H
#define QTTEXTVALUES_H

#include "qtsimplevalues.h"

#include <QString>

// The texts of a manager that shows each as it is; Manager has the signal
// valueChanged(QtProperty *, const QString &).
template<class Manager> class QtTextValues : public QtSimpleValues<Manager, QString>
{
public:
    using QtSimpleValues<Manager, QString>::QtSimpleValues;
};

#endif // QTTEXTVALUES_H
