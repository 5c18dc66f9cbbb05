#pragma once

#include "ui/baseform.h"

// Technological modes menu. No rows yet: only the title and the way back.
class ModesMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit ModesMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
