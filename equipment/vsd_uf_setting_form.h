#pragma once

#include "ui/baseform.h"

// U/f curve of the drive. Titled screen with its way back; the rows come with its own settings.
class VsdUfSettingForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdUfSettingForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
