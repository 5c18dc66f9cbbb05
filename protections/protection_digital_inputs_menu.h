#pragma once

#include <QList>

#include "ui/basemenu.h"

// Protections of the digital inputs: one row per input, its icon showing the input's protection action. The
// inputs of the extension board are listed while the board is fitted.
class ProtectionDigitalInputsMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit ProtectionDigitalInputsMenu(QWidget* parent = nullptr);

    static Pages createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
