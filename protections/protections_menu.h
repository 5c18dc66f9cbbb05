#pragma once

#include "ui/baseform.h"

// Protections menu. Titled screen with its way back; the rows come with its own settings.
class ProtectionsMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit ProtectionsMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
