#pragma once

#include "ui/baseform.h"

// Downhole sensor parameters. No rows yet: only the title and the way back.
class DhsSettingForm : public BaseForm
{
    Q_OBJECT
public:
    explicit DhsSettingForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
