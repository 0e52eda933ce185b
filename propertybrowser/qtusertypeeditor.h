#ifndef QTUSERTYPEEDITOR_H
#define QTUSERTYPEEDITOR_H

#include "qtusertypeservices.h"

#include <QWidget>

class QLabel;
class QPushButton;

// The editor of a program-specific row: the value in a label taking the spare width, then
// the row's buttons. What the buttons need of the program comes from the services.
class QtUserTypeEditor : public QWidget
{
    Q_OBJECT
public:
    explicit QtUserTypeEditor(QWidget *parent = nullptr);

    // Shows a new value; emits nothing.
    void setValue(const QString &value);
    QString value() const { return m_value; }
    QLabel *label() const { return m_label; }

    void setServices(const QtUserTypeServices &services) { m_services = services; }
    const QtUserTypeServices &services() const { return m_services; }

signals:
    void valueChanged(const QString &value);

protected:
    // A button after those added before; the last one added is the focus proxy.
    QPushButton *addButton(const QString &text, int width);
    // A value the user chose: shown and reported when it differs from the current one.
    void choose(const QString &value);
    // Lets a type dress the label for a new value.
    virtual void decorateLabel(const QString &value) { Q_UNUSED(value) }

private:
    QLabel *m_label;
    QString m_value;
    QtUserTypeServices m_services;
};

#endif // QTUSERTYPEEDITOR_H
