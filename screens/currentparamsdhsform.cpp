#include "screens/currentparamsdhsform.h"

#include "screens/currentparamsmenu.h"
#include "screens/mainmenu.h"

CurrentParamsDhsForm::CurrentParamsDhsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("CurrentParamsDhsForm"));
    setTitle(tr("ТМС"));
}

void CurrentParamsDhsForm::createForm()
{
    for (quint16 id : {15002, 15003, 15004, 15005})
        addStatusNum(id, false);
}

void CurrentParamsDhsForm::returnBackForm()
{
    showMenuPage<MainMenu, CurrentParamsMenu>();
}
