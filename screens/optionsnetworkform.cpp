#include "screens/optionsnetworkform.h"

#include "screens/mainmenu.h"
#include "screens/optionsmenu.h"

OptionsNetworkForm::OptionsNetworkForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("OptionsNetworkForm"));
    setTitle(tr("Сеть"));
}

void OptionsNetworkForm::createForm()
{
    for (quint16 id : {867, 871, 2055})
        addEdit(id);
}

void OptionsNetworkForm::returnBackForm()
{
    showMenuPage<MainMenu, OptionsMenu>();
}
