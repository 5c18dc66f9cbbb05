#pragma once

#include "ui/baseform.h"

// Analog outputs menu. Titled screen with its way back; the rows come with its own settings.
class AnalogOutputsMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit AnalogOutputsMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
