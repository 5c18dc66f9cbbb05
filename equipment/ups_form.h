#pragma once

#include "ui/baseform.h"

// UPS settings. No rows yet: only the title and the way back.
class UpsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit UpsForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
