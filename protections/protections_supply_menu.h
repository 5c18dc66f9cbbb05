#pragma once

#include <QList>

#include "ui/basemenu.h"

// Supply protections.
// Each row shows its protection's action by its icon.
class ProtectionsSupplyMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit ProtectionsSupplyMenu(QWidget* parent = nullptr);

    static Pages createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
