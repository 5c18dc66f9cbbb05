#pragma once

#include <QList>

#include "ui/basemenu.h"

// Protections of the four analog inputs. Each row's icon shows the action of the input's lower or upper
// protection, whichever is the stronger when the menu is built.
class ProtectionAnalogInputsMenu : public BaseMenu
{
    Q_OBJECT
public:
    explicit ProtectionAnalogInputsMenu(QWidget* parent = nullptr);

    static Pages createNextForm();
    // `maxId` when its value is greater than that of `minId`, else `minId`.
    static quint16 getIdIcon(quint16 minId, quint16 maxId);

    void returnBackForm() override;

private:
    static QList<MenuItem> items();
};
