#pragma once

#include <QList>

#include "ui/basemenu.h"

// Settings of the panel and of its links.
class OptionsMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit OptionsMenu(QWidget* parent = nullptr);

    // New instances of the pages, in the order of the buttons.
    static Pages createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
