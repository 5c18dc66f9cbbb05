#include "screens/holeform.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

HoleForm::HoleForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("HoleForm"));
    setTitle(tr("Скважина"));
}

void HoleForm::createForm()
{
    // Names of up to 8 characters held in pairs of parameters.
    addStringEdit(1658, 1659);
    addStringEdit(1660, 1661);
    addStringEdit(1662, 1663);
    for (quint16 id : {515, 516, 517})
        addEdit(id);
}

void HoleForm::returnBackForm()
{
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("NotebookMenu"));
}
