#pragma once

#include "ui/baseform.h"

// Journal menu. Titled screen with its way back; the rows come with its own settings.
class LogMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit LogMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
