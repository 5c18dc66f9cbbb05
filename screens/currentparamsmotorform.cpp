#include "screens/currentparamsmotorform.h"

#include "screens/currentparamsmenu.h"
#include "screens/mainmenu.h"

CurrentParamsMotorForm::CurrentParamsMotorForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("CurrentParamsMotorForm"));
    setTitle(tr("Двигатель"));
}

void CurrentParamsMotorForm::createForm()
{
    for (quint16 id : {10001, 6, 2, 3, 4, 7, 9})
        addStatusNum(id, false);
}

void CurrentParamsMotorForm::returnBackForm()
{
    showMenuPage<MainMenu, CurrentParamsMenu>();
}
