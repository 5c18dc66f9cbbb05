#pragma once

#include "ui/baseform.h"

// Pump settings. Titled screen with its way back; the rows come with its own settings.
class PumpForm : public BaseForm
{
    Q_OBJECT
public:
    explicit PumpForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
