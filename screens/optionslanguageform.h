#pragma once

#include "ui/baseform.h"

// Language of the panel.
class OptionsLanguageForm : public BaseForm
{
    Q_OBJECT
public:
    explicit OptionsLanguageForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
