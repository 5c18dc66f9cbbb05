#pragma once

#include <QMetaObject>

#include "protections/baseprotectionform.h"

// The parameters of one digital input, in the order the controller numbers its roles.
struct DigitalInputIds {
    int input;
    quint16 type;
    quint16 action;
    quint16 nameChoice;
    quint16 protectionAction;
    quint16 deviation;
    quint16 bypass;
    quint16 trip;
    quint16 restartDelay;
    quint16 restarts;
    quint16 counterReset;
    quint16 reset;
    quint16 state;
    // The custom name, 8 characters over two parameters; 0 for the inputs that have none.
    quint16 firstName;
    quint16 secondName;
};

// The page of one digital input: what its signal means and does, and the protection it runs. The page is built
// anew when the name choice or the name changes, so that the name row and the name shown follow them.
class ProtectionDigitalInputForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    // `page` is the meta-object of the input's own class: its name is the page's name.
    ProtectionDigitalInputForm(const DigitalInputIds& ids, const QMetaObject& page, QWidget* parent = nullptr);

    const DigitalInputIds& ids() const { return ids_; }

    // The parameters of input `input` (1-4, 7-10, 13-24); null for an input without a page.
    static const DigitalInputIds* inputIds(int input);
    // "Цифровой вход N".
    static QString inputTitle(int input);

    void createForm() override;
    void returnBackForm() override;

private:
    const DigitalInputIds ids_;
};
