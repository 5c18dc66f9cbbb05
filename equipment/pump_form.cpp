#include "equipment/pump_form.h"

#include "equipment/equipmentmenu.h"
#include "screens/mainmenu.h"

PumpForm::PumpForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("PumpForm"));
    setTitle(tr("Насос"));
}

void PumpForm::createForm()
{
    for (quint16 id : {40, 41, 42})
        addEdit(id);
}

void PumpForm::returnBackForm()
{
    showMenuPage<MainMenu, EquipmentMenu>();
}
