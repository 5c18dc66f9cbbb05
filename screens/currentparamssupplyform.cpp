#include "screens/currentparamssupplyform.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

CurrentParamsSupplyForm::CurrentParamsSupplyForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("CurrentParamsSupplyForm"));
    setTitle(tr("Сеть"));
}

void CurrentParamsSupplyForm::createForm()
{
    for (quint16 id : {709, 710, 711})
        addStatusNum(id, false);
}

void CurrentParamsSupplyForm::returnBackForm()
{
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("CurrentParamsMenu"));
}
