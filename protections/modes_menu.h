#pragma once

#include <QList>

#include "ui/basemenu.h"

// The technological modes. Each row shows by its icon whether its mode is on; current limitation only with the
// own and the "Эталон" drives, gas pumping not while the special algorithms of a drive run.
class ModesMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit ModesMenu(QWidget* parent = nullptr);

    // New instances of the mode screens for the drive type (685) and the special algorithms (1000) read now.
    static Pages createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
