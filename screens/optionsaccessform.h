#pragma once

#include "ui/baseform.h"

class BaseComboBox2;

// Password protection and logging in at an access level.
class OptionsAccessForm : public BaseForm
{
    Q_OBJECT
public:
    explicit OptionsAccessForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    // Asks for the password of the chosen level; the dialog grants the level.
    void slotLogin();

private:
    BaseComboBox2* level_ = nullptr;
};
