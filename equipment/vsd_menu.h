#pragma once

#include <QList>

#include "ui/basemenu.h"

// The drive menu: the drive type and the drive's pages.
class VsdMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit VsdMenu(QWidget* parent = nullptr);

    // New instances of the drive pages for the drive type read now.
    static Pages createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
