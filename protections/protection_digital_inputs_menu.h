#pragma once

#include "ui/baseform.h"

// Protections of the digital inputs. No rows yet: only the title and the way back.
class ProtectionDigitalInputsMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit ProtectionDigitalInputsMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
