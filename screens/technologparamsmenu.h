#pragma once

#include <QList>

#include "ui/basemenu.h"

// Technological settings: modes, calibration and the technologist's menu.
class TechnologParamsMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit TechnologParamsMenu(QWidget* parent = nullptr);

    // New instances of the pages, in the order of the buttons.
    static Pages createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
