#pragma once

#include "ui/baseform.h"

// Motor settings. Titled screen with its way back; the rows come with its own settings.
class MotorForm : public BaseForm
{
    Q_OBJECT
public:
    explicit MotorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
