#include "screens/currentparamsmenu.h"

#include "screens/currentparamsdhsform.h"
#include "screens/currentparamsmotorform.h"
#include "screens/currentparamssupplyform.h"
#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

CurrentParamsMenu::CurrentParamsMenu(QWidget* parent)
    : BaseMenu(parent, &CurrentParamsMenu::items)
{
    setObjectName(QStringLiteral("CurrentParamsMenu"));
    setTitle(tr("Текущие параметры"));
}

QList<MenuItem> CurrentParamsMenu::items()
{
    return {
        MenuItem::child<CurrentParamsSupplyForm>(tr("Сеть")),
        MenuItem::child<CurrentParamsMotorForm>(tr("Двигатель")),
        MenuItem::child<CurrentParamsDhsForm>(tr("ТМС")),
    };
}

Pages CurrentParamsMenu::createNextForm()
{
    return pages(items());
}

void CurrentParamsMenu::returnBackForm()
{
    mainWindow()->addForm(new MainMenu(nullptr), -1);
}
