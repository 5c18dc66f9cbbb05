#pragma once

#include "ui/baseform.h"

// Downhole sensor link settings. No rows yet: only the title and the way back.
class DhsConnectForm : public BaseForm
{
    Q_OBJECT
public:
    explicit DhsConnectForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
