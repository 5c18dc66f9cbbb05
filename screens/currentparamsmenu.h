#pragma once

#include <QList>

#include "ui/basemenu.h"

// Pages of the measured values.
class CurrentParamsMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit CurrentParamsMenu(QWidget* parent = nullptr);

    // New instances of the pages, in the order of the buttons.
    static Pages createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
