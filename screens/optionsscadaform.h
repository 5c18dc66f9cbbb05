#pragma once

#include "ui/baseform.h"

// The SCADA profile and the settings of its link.
class OptionsScadaForm : public BaseForm
{
    Q_OBJECT
public:
    explicit OptionsScadaForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
