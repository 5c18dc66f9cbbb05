#pragma once

#include "ui/baseform.h"

// Current limitation of the own and the "Эталон" drives.
class CurrentLimitModeForm : public BaseForm
{
    Q_OBJECT
public:
    explicit CurrentLimitModeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
