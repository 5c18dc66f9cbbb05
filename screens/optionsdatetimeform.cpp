#include "screens/optionsdatetimeform.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

OptionsDateTimeForm::OptionsDateTimeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("OptionsDateTimeForm"));
    setTitle(tr("Дата и время"));
}

void OptionsDateTimeForm::createForm()
{
    addEdit(562);
}

void OptionsDateTimeForm::returnBackForm()
{
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("OptionsMenu"));
}
