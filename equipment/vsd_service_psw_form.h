#pragma once

#include "ui/baseform.h"

// The own drive's status words, with the station's saved copies of three of them.
class VsdServicePswForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdServicePswForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
