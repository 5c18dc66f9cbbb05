#pragma once

#include <QList>

#include "ui/basemenu.h"

// "Защиты": the four protection groups, the input protections, the deviation-alarm switch and the reset of
// every protection setpoint.
class ProtectionsMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit ProtectionsMenu(QWidget* parent = nullptr);

    static Pages createNextForm();

    void returnBackForm() override;

public slots:
    void showResetDefaultDialog();

private:
    static QList<MenuItem> items();
};
