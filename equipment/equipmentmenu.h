#pragma once

#include <QList>

#include "ui/basemenu.h"

// The equipment menu: one button per item of the station's equipment.
class EquipmentMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit EquipmentMenu(QWidget* parent = nullptr);

    // New instances of the equipment pages, chosen by the current parameter values.
    static Pages createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
