#pragma once

#include "ui/baseform.h"

// Input and output filters. Titled screen with its way back; the rows come with its own settings.
class FiltersForm : public BaseForm
{
    Q_OBJECT
public:
    explicit FiltersForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
