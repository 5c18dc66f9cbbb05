#pragma once

#include "ui/baseform.h"

// Electricity meter. Titled screen with its way back; the rows come with its own settings.
class EmForm : public BaseForm
{
    Q_OBJECT
public:
    explicit EmForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
