#pragma once

#include "ui/baseform.h"

// Bypass contactors. No rows yet: only the title and the way back.
class BypassContactorsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit BypassContactorsForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
