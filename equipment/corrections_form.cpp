#include "equipment/corrections_form.h"

#include "screens/mainmenu.h"
#include "screens/technologparamsmenu.h"

CorrectionsForm::CorrectionsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("CorrectionsForm"));
    setTitle(tr("Корректировки"));
}

void CorrectionsForm::createForm()
{
}

void CorrectionsForm::returnBackForm()
{
    showMenuPage<MainMenu, TechnologParamsMenu>();
}
