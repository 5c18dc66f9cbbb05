#pragma once

#include "ui/baseform.h"

// Analog outputs menu. No rows yet: only the title and the way back.
class AnalogOutputsMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit AnalogOutputsMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
