#pragma once

#include <QList>

#include "ui/basemenu.h"

// The relay outputs: relays 1 to 4, and 5 to 12 with the extension board (1644). The board is read once per build
// for both the buttons and the pages they open.
class RelayOutputsOptionsMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit RelayOutputsOptionsMenu(QWidget* parent = nullptr);

    // The relay pages; a page's position is its relay's number less one.
    static Pages createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
