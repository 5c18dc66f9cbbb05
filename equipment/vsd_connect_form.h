#pragma once

#include "ui/baseform.h"

// Drive link settings. No rows yet: only the title and the way back.
class VsdConnectForm : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdConnectForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
