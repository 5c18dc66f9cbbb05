#pragma once

#include "ui/baseform.h"

// Journal menu. No rows yet: only the title and the way back.
class LogMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit LogMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
