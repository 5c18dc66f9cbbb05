#include "screens/currentparamsmenu.h"

#include "screens/currentparamsdhsform.h"
#include "screens/currentparamsmotorform.h"
#include "screens/currentparamssupplyform.h"
#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

CurrentParamsMenu::CurrentParamsMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("CurrentParamsMenu"));
    setTitle(tr("Текущие параметры"));
}

QList<BaseForm*> CurrentParamsMenu::createNextForm()
{
    return {new CurrentParamsSupplyForm(nullptr), new CurrentParamsMotorForm(nullptr),
            new CurrentParamsDhsForm(nullptr)};
}

void CurrentParamsMenu::createForm()
{
    addButton(tr("Сеть"), QPixmap());
    addButton(tr("Двигатель"), QPixmap());
    addButton(tr("ТМС"), QPixmap());
}

void CurrentParamsMenu::setFormsList()
{
    BaseForm::setFormsList(createNextForm());
}

void CurrentParamsMenu::returnBackForm()
{
    mainWindow()->addForm(new MainMenu(nullptr), -1);
}
