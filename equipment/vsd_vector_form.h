#pragma once

#include "ui/baseform.h"

// Vector control of the drive. No rows yet: only the title and the way back.
class VsdVectorForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdVectorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
