#pragma once

#include <QList>

#include "ui/basemenu.h"

// The root menu: one button per page of the menu tree.
class MainMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit MainMenu(QWidget* parent = nullptr);

    // New instances of the pages, in the order of the buttons.
    static Pages createNextForm();

    void returnBackForm() override;
    // The main screen below has no button to open the menu again: a new menu takes its place, on the same row.
    void showAgain() override;

private:
    static QList<MenuItem> items();
};
