#pragma once

#include "ui/baseform.h"

// Relay outputs menu. Titled screen with its way back; the rows come with its own settings.
class RelayOutputsOptionsMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptionsMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
