#pragma once

#include "ui/baseform.h"

// Motor settings. No rows yet: only the title and the way back.
class MotorForm : public BaseForm
{
    Q_OBJECT
public:
    explicit MotorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
