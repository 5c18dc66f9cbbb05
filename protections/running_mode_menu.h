#pragma once

#include "ui/baseform.h"

// Start modes menu. Titled screen with its way back; the rows come with its own settings.
class RunningModeMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit RunningModeMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
