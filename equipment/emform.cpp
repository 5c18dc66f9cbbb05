#include "equipment/emform.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

EmForm::EmForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("EmForm"));
    setTitle(tr("Счётчик электроэнергии"));
}

void EmForm::createForm()
{
}

void EmForm::returnBackForm()
{
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("EquipmentMenu"));
}
