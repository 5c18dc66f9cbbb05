#pragma once

#include "ui/baseform.h"

// Station clock.
class OptionsDateTimeForm : public BaseForm
{
    Q_OBJECT
public:
    explicit OptionsDateTimeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
