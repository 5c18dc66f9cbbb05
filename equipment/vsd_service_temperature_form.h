#pragma once

#include "ui/baseform.h"

// Temperature control of the own drive: cooling fan, thermal protections, warm-up.
class VsdTemperatureForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdTemperatureForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
