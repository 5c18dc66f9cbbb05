#pragma once

#include "ui/baseform.h"

// Identification of the control station and its software.
class StationForm : public BaseForm
{
    Q_OBJECT
public:
    explicit StationForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
