#pragma once

#include "ui/baseform.h"

// Protections of the analog inputs. No rows yet: only the title and the way back.
class ProtectionAnalogInputsMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit ProtectionAnalogInputsMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
