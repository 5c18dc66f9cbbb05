#include "equipment/dhs_menu.h"

#include "app/mainapplication.h"
#include "equipment/dhs_connect_form.h"
#include "equipment/dhs_setting_form.h"
#include "screens/dhsconfigurationform.h"
#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

DhsMenu::DhsMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("DhsMenu"));
    setTitle(tr("ТМС"));
}

QList<BaseForm*> DhsMenu::createNextForm()
{
    QList<BaseForm*> pages{new DhsSettingForm(nullptr), new DhsConnectForm(nullptr)};
    if (MainApplication::getInstance()->getTypeDhs() == 17)
        pages.append(new DhsConfigurationForm(nullptr));
    return pages;
}

void DhsMenu::createForm()
{
    const int type = MainApplication::getInstance()->getTypeDhs();
    if (type == 0)
        return;
    addButton(tr("Параметры ТМС"), QPixmap());
    addButton(tr("Параметры связи ТМС"), QPixmap());
    if (type == 17)
        addButton(tr("Конфигурация ТМС"), QPixmap());
}

void DhsMenu::setFormsList()
{
    BaseForm::setFormsList(createNextForm());
}

void DhsMenu::returnBackForm()
{
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("EquipmentMenu"));
}
