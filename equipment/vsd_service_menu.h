#pragma once

#include "ui/baseform.h"

// Drive service menu. Titled screen with its way back; the rows come with its own settings.
class VsdServiceMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit VsdServiceMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
