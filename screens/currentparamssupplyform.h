#pragma once

#include "ui/baseform.h"

// Measured values of the supply.
class CurrentParamsSupplyForm : public BaseForm
{
    Q_OBJECT
public:
    explicit CurrentParamsSupplyForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
