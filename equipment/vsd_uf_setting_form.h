#pragma once

#include "ui/baseform.h"

// U/f curve of the drive. No rows yet: only the title and the way back.
class VsdUfSettingForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdUfSettingForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
