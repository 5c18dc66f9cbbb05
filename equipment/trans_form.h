#pragma once

#include "ui/baseform.h"

// Step-up transformer settings. Titled screen with its way back; the rows come with its own settings.
class TransForm : public BaseForm
{
    Q_OBJECT
public:
    explicit TransForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
