#pragma once

#include "ui/baseform.h"

// Consumed active energy. No rows yet: only the title and the way back.
class EnergyConsumptionForm : public BaseForm
{
    Q_OBJECT
public:
    explicit EnergyConsumptionForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
