#pragma once

#include "ui/baseform.h"

// Relay outputs menu. No rows yet: only the title and the way back.
class RelayOutputsOptionsMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptionsMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
