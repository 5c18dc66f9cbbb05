#pragma once

#include "ui/baseform.h"

// The U/f curve of the drive: its points (frequency, voltage and, on the own drive, current).
class VsdUfSettingForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdUfSettingForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
