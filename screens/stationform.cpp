#include "screens/stationform.h"

#include "screens/mainmenu.h"
#include "screens/notebookmenu.h"

StationForm::StationForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("StationForm"));
    setTitle(tr("Станция управления"));
}

void StationForm::createForm()
{
    for (quint16 id : {548, 549, 551, 886, 538, 539, 541, 542, 543, 544, 545, 546, 547})
        addStatusNum(id, false);
}

void StationForm::returnBackForm()
{
    showMenuPage<MainMenu, NotebookMenu>();
}
