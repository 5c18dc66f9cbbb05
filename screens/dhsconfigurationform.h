#pragma once

#include "ui/baseform.h"

// Configuration of the downhole sensor system of type 17.
class DhsConfigurationForm : public BaseForm
{
    Q_OBJECT
public:
    explicit DhsConfigurationForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
