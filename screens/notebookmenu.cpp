#include "screens/notebookmenu.h"

#include "equipment/energy_consumption_form.h"
#include "screens/countersform.h"
#include "screens/holeform.h"
#include "screens/mainmenu.h"
#include "screens/stationform.h"
#include "screens/statisticsform.h"
#include "ui/mainwindow.h"

NotebookMenu::NotebookMenu(QWidget* parent)
    : BaseMenu(parent, &NotebookMenu::items)
{
    setObjectName(QStringLiteral("NotebookMenu"));
    setTitle(tr("Записная книжка"));
}

QList<MenuItem> NotebookMenu::items()
{
    return {
        MenuItem::child<HoleForm>(tr("Скважина")),
        MenuItem::child<CountersForm>(tr("Счётчики")),
        MenuItem::child<StatisticsForm>(tr("Статистика")),
        MenuItem::child<StationForm>(tr("Станция управления")),
        MenuItem::child<EnergyConsumptionForm>(tr("Потребление активной электоэнергии")),
    };
}

Pages NotebookMenu::createNextForm()
{
    return pages(items());
}

void NotebookMenu::returnBackForm()
{
    mainWindow()->addForm(new MainMenu(nullptr), -1);
}
