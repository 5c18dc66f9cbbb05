#pragma once

#include "ui/baseform.h"

// UPS settings. Titled screen with its way back; the rows come with its own settings.
class UpsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit UpsForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
