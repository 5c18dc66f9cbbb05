#include "screens/notebookmenu.h"

#include "equipment/energy_consumption_form.h"
#include "screens/countersform.h"
#include "screens/holeform.h"
#include "screens/mainmenu.h"
#include "screens/stationform.h"
#include "screens/statisticsform.h"
#include "ui/mainwindow.h"

NotebookMenu::NotebookMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("NotebookMenu"));
    setTitle(tr("Записная книжка"));
}

QList<BaseForm*> NotebookMenu::createNextForm()
{
    return {new HoleForm(nullptr), new CountersForm(nullptr), new StatisticsForm(nullptr),
            new StationForm(nullptr), new EnergyConsumptionForm(nullptr)};
}

void NotebookMenu::createForm()
{
    addButton(tr("Скважина"), QPixmap());
    addButton(tr("Счётчики"), QPixmap());
    addButton(tr("Статистика"), QPixmap());
    addButton(tr("Станция управления"), QPixmap());
    addButton(tr("Потребление активной электоэнергии"), QPixmap());
}

void NotebookMenu::setFormsList()
{
    BaseForm::setFormsList(createNextForm());
}

void NotebookMenu::returnBackForm()
{
    mainWindow()->addForm(new MainMenu(nullptr), -1);
}
