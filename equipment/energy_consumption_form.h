#pragma once

#include "ui/baseform.h"

// Consumed active energy. Titled screen with its way back; the rows come with its own settings.
class EnergyConsumptionForm : public BaseForm
{
    Q_OBJECT
public:
    explicit EnergyConsumptionForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
