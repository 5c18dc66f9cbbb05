#pragma once

#include "ui/baseform.h"

// Measured values of the downhole sensor system.
class CurrentParamsDhsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit CurrentParamsDhsForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
