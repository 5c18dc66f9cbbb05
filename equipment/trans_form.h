#pragma once

#include "ui/baseform.h"

// Step-up transformer settings. No rows yet: only the title and the way back.
class TransForm : public BaseForm
{
    Q_OBJECT
public:
    explicit TransForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
