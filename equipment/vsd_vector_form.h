#pragma once

#include "ui/baseform.h"

// The control loops of the own drive in vector mode.
class VsdVectorForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdVectorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
