#pragma once

#include <QList>

#include "ui/basemenu.h"

// Protections on the readings of the downhole sensors.
// Each row shows its protection's action by its icon.
class ProtectionsDhsMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit ProtectionsDhsMenu(QWidget* parent = nullptr);

    static Pages createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
