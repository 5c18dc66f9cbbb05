#pragma once

#include "ui/baseform.h"

// Electricity meter. No rows yet: only the title and the way back.
class EmForm : public BaseForm
{
    Q_OBJECT
public:
    explicit EmForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
