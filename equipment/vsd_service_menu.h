#pragma once

#include "ui/baseform.h"

// Drive service menu. No rows yet: only the title and the way back.
class VsdServiceMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdServiceMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
