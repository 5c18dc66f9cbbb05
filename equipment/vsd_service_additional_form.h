#pragma once

#include "ui/baseform.h"

// Additional settings of the own drive: OVERPWM, frequency reduction rates, digital words, output inductance and
// resistance.
class VsdServiceAdditionalForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdServiceAdditionalForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
