#pragma once

#include "ui/baseform.h"

// Resonance suppression of the drive. No rows yet: only the title and the way back.
class VsdResonanceForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdResonanceForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
