#pragma once

#include "ui/baseform.h"

// A start delayed by a time.
class DelayedStartForm : public BaseForm
{
    Q_OBJECT
public:
    explicit DelayedStartForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
