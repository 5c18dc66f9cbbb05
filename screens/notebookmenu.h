#pragma once

#include <QList>

#include "ui/basemenu.h"

// The notebook: well, counters, statistics, station and consumed energy.
class NotebookMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit NotebookMenu(QWidget* parent = nullptr);

    // New instances of the pages, in the order of the buttons.
    static Pages createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
