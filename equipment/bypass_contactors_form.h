#pragma once

#include "ui/baseform.h"

// Bypass contactors. Titled screen with its way back; the rows come with its own settings.
class BypassContactorsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit BypassContactorsForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
