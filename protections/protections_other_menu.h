#pragma once

#include <QList>

#include "ui/basemenu.h"

// Other protections: insulation, starts, door, drive, filter and heatsink.
// Each row shows its protection's action by its icon.
class ProtectionsOtherMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit ProtectionsOtherMenu(QWidget* parent = nullptr);

    static Pages createNextForm();
    // The input filter has a protection only with the drives that have one (ours and Danfoss).
    static bool isShowProtectionOverheatInputFilter();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
