#include "equipment/ups_form.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

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
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("OptionsMenu"));
}
