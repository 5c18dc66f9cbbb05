#pragma once

#include "ui/baseform.h"

// Programmed frequency change after a start; BP sets it in steps.
class SoftChangeFreqModeForm : public BaseForm
{
    Q_OBJECT
public:
    explicit SoftChangeFreqModeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
