#pragma once

#include <QList>

#include "ui/basemenu.h"

// Motor protections.
// Each row shows its protection's action by its icon.
class ProtectionsMotorMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit ProtectionsMotorMenu(QWidget* parent = nullptr);

    static Pages createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
