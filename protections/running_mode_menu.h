#pragma once

#include "ui/baseform.h"

// Start modes menu. No rows yet: only the title and the way back.
class RunningModeMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit RunningModeMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
