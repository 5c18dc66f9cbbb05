#pragma once

#include "ui/baseform.h"

// Resonance suppression of the own drive: its kind and its gains.
class VsdResonanceForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdResonanceForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
