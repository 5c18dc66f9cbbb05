#pragma once

#include "ui/baseform.h"

// Pump data: capacity, head and setting depth.
class PumpForm : public BaseForm
{
    Q_OBJECT
public:
    explicit PumpForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
