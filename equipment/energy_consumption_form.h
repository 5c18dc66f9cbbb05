#pragma once

#include "ui/baseform.h"

// Active energy consumed by day, month, year and in total, the first day of the accounting period, and the
// reset of the counted consumption.
class EnergyConsumptionForm : public BaseForm
{
    Q_OBJECT
public:
    explicit EnergyConsumptionForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    void resetEnergyConsumption();
};
