#pragma once

#include "ui/baseform.h"

// Protections menu. No rows yet: only the title and the way back.
class ProtectionsMenu : public BaseForm
{
    Q_OBJECT
public:
    explicit ProtectionsMenu(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
