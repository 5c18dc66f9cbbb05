#pragma once

#include <QList>

#include "ui/basemenu.h"

// The downhole sensor system menu: the system's type, and once one is set its interface and its screens (the
// configuration screen only for type 17). Rebuilds itself when the type or the surface unit's design code changes.
class DhsMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit DhsMenu(QWidget* parent = nullptr);

    // The DHS screens of the present type, listed also while no system is set.
    static Pages createNextForm();

    void createForm() override;
    void returnBackForm() override;

private:
    static QList<MenuItem> items();
    // With `listAll` the screens' rows count as shown whatever the type.
    static QList<MenuItem> table(int type, bool listAll);
};
