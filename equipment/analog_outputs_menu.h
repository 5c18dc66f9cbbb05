#pragma once

#include <QList>

#include "ui/basemenu.h"

// The four analog outputs.
class AnalogOutputsMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit AnalogOutputsMenu(QWidget* parent = nullptr);

    static Pages createNextForm();

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
