#pragma once

#include "ui/baseform.h"

// Pump settings. No rows yet: only the title and the way back.
class PumpForm : public BaseForm
{
    Q_OBJECT
public:
    explicit PumpForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
