#include "screens/stationform.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

StationForm::StationForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("StationForm"));
    setTitle(tr("Станция управления"));
}

void StationForm::createForm()
{
    for (quint16 id : {538, 539, 541, 546, 547, 548, 549, 550, 551})
        addStatusNum(id, false);
}

void StationForm::returnBackForm()
{
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("NotebookMenu"));
}
