#pragma once

#include "ui/baseform.h"

// UPS settings: when the controller, this program and the backlight switch off on battery.
class UpsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit UpsForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
