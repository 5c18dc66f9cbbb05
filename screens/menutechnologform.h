#pragma once

#include "ui/baseform.h"

// The parameters shown in the technologist's menu.
class MenuTechnologForm : public BaseForm
{
    Q_OBJECT
public:
    explicit MenuTechnologForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
