#pragma once

#include "ui/baseform.h"

// Network settings of the panel.
class OptionsNetworkForm : public BaseForm
{
    Q_OBJECT
public:
    explicit OptionsNetworkForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
