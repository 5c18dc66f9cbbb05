#pragma once

#include "ui/baseform.h"

// Downhole sensor parameters. Titled screen with its way back; the rows come with its own settings.
class DhsSettingForm : public BaseForm
{
    Q_OBJECT
public:
    explicit DhsSettingForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
