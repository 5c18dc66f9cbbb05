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
    static QList<BaseForm*> createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
