#pragma once

#include "ui/baseform.h"

// Input and output filters. No rows yet: only the title and the way back.
class FiltersForm : public BaseForm
{
    Q_OBJECT
public:
    explicit FiltersForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
