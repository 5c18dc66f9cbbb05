#pragma once

#include "ui/baseform.h"

// Resonance suppression of the drive. Titled screen with its way back; the rows come with its own settings.
class VsdResonanceForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdResonanceForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
