#pragma once

#include <QList>

#include "ui/basemenu.h"

// The start modes of the drive. Which are offered depends on the drive type (685), the motor type (782), the
// control type (10006), what the direct start needs and the oil company; each row's icon shows whether its mode
// is on, once or permanently.
class RunningModeMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit RunningModeMenu(QWidget* parent = nullptr);

    // New instances of the start-mode screens for the values read now.
    static Pages createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
