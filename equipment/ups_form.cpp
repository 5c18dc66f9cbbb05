#include "equipment/ups_form.h"

#include "screens/mainmenu.h"
#include "screens/optionsmenu.h"

UpsForm::UpsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("UpsForm"));
    setTitle(tr("ИБП"));
}

void UpsForm::createForm()
{
    for (quint16 id : {1361, 1362, 1363})
        addEdit(id);
}

void UpsForm::returnBackForm()
{
    showMenuPage<MainMenu, OptionsMenu>();
}
