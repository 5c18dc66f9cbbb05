#pragma once

#include "ui/baseform.h"

// Technological modes menu. Titled screen with its way back; the rows come with its own settings.
class ModesMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit ModesMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
