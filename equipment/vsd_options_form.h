#pragma once

#include "ui/baseform.h"

// Drive settings. No rows yet: only the title and the way back.
class VsdOptionsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdOptionsForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
