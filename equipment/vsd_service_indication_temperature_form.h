#pragma once

#include "ui/baseform.h"

// Temperatures of the own drive's measuring board and of its two drivers.
class VsdServiceIndicationTemperatureForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdServiceIndicationTemperatureForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
