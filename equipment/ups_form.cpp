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
}

void UpsForm::returnBackForm()
{
    showMenuPage<MainMenu, OptionsMenu>();
}
