#pragma once

#include "ui/baseform.h"

// The own drive's output current, power, phase currents and phase angles.
class VsdServiceIndicationParamForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdServiceIndicationParamForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
