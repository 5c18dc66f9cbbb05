#include "screens/optionsmenu.h"

#include "equipment/ups_form.h"
#include "screens/mainmenu.h"
#include "screens/optionsaccessform.h"
#include "screens/optionsdatetimeform.h"
#include "screens/optionslanguageform.h"
#include "screens/optionsnetworkform.h"
#include "screens/optionsscadaform.h"
#include "screens/optionsunitsform.h"
#include "ui/mainwindow.h"

OptionsMenu::OptionsMenu(QWidget* parent)
    : BaseMenu(parent, &OptionsMenu::items)
{
    setObjectName(QStringLiteral("OptionsMenu"));
    setTitle(tr("Настройки"));
}

QList<MenuItem> OptionsMenu::items()
{
    return {
        MenuItem::child<OptionsLanguageForm>(tr("Язык")),
        MenuItem::child<OptionsUnitsForm>(tr("Единицы измерения")),
        MenuItem::child<OptionsScadaForm>(tr("SCADA")),
        MenuItem::child<OptionsAccessForm>(tr("Доступ")),
        MenuItem::child<OptionsDateTimeForm>(tr("Дата и время")),
        MenuItem::child<OptionsNetworkForm>(tr("Сеть")),
        MenuItem::child<UpsForm>(tr("ИБП")),
    };
}

Pages OptionsMenu::createNextForm()
{
    return pages(items());
}

void OptionsMenu::returnBackForm()
{
    mainWindow()->addForm(new MainMenu(nullptr), -1);
}
