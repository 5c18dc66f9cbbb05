#pragma once

#include "ui/baseform.h"

// Drive settings. Titled screen with its way back; the rows come with its own settings.
class VsdOptionsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdOptionsForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
