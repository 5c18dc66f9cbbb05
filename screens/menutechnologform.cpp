#include "screens/menutechnologform.h"

#include "screens/mainmenu.h"
#include "screens/technologparamsmenu.h"
#include "texts/common.h"
#include "ui/pairlist.h"

MenuTechnologForm::MenuTechnologForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("MenuTechnologForm"));
    setTitle(tr("Настройка меню технолога"));
}

void MenuTechnologForm::createForm()
{
    PairList onOff;
    onOff.append(0, Common::getTextOnOff(0));
    onOff.append(1, Common::getTextOnOff(1));
    addComboBox(1666, onOff);
    for (quint16 id = 1667; id <= 1681; ++id)
        addEdit(id);
}

void MenuTechnologForm::returnBackForm()
{
    showMenuPage<MainMenu, TechnologParamsMenu>();
}
