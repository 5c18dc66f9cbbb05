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
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("OptionsMenu"));
    setTitle(tr("Настройки"));
}

QList<BaseForm*> OptionsMenu::createNextForm()
{
    return {new OptionsLanguageForm(nullptr), new OptionsUnitsForm(nullptr),    new OptionsScadaForm(nullptr),
            new OptionsAccessForm(nullptr),   new OptionsDateTimeForm(nullptr), new OptionsNetworkForm(nullptr),
            new UpsForm(nullptr)};
}

void OptionsMenu::createForm()
{
    addButton(tr("Язык"), QPixmap());
    addButton(tr("Единицы измерения"), QPixmap());
    addButton(tr("SCADA"), QPixmap());
    addButton(tr("Доступ"), QPixmap());
    addButton(tr("Дата и время"), QPixmap());
    addButton(tr("Сеть"), QPixmap());
    addButton(tr("ИБП"), QPixmap());
}

void OptionsMenu::setFormsList()
{
    BaseForm::setFormsList(createNextForm());
}

void OptionsMenu::returnBackForm()
{
    mainWindow()->addForm(new MainMenu(nullptr), -1);
}
