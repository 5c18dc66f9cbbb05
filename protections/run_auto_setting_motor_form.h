#pragma once

#include "ui/baseform.h"

// Motor auto-tuning by the drive: the measuring settings of the own and the Danfoss drives.
class RunAutoSettingMotorForm : public BaseForm
{
    Q_OBJECT
public:
    explicit RunAutoSettingMotorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    // On each showing: the mode cannot be switched on while the motor runs.
    void showWarning();
};
