#pragma once

#include <QList>

#include "ui/basemenu.h"

// The downhole sensor system menu: its pages when a system is set, the configuration page only for type 17.
class DhsMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit DhsMenu(QWidget* parent = nullptr);

    static QList<BaseForm*> createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
