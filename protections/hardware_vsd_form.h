#pragma once

#include "protections/baseprotectionform.h"

// Hardware protections of the drive; the drive's own limits only for our own drive.
class HardwareVsdForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit HardwareVsdForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
