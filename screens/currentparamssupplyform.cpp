#include "screens/currentparamssupplyform.h"

#include "screens/currentparamsmenu.h"
#include "screens/mainmenu.h"

CurrentParamsSupplyForm::CurrentParamsSupplyForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("CurrentParamsSupplyForm"));
    setTitle(tr("Сеть"));
}

void CurrentParamsSupplyForm::createForm()
{
    // Line voltages and phase currents at the input.
    for (quint16 id : {709, 710, 711, 857, 858, 859})
        addStatusNum(id, false);
}

void CurrentParamsSupplyForm::returnBackForm()
{
    showMenuPage<MainMenu, CurrentParamsMenu>();
}
