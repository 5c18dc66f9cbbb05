#include "equipment/vsd_menu.h"

#include "app/mainapplication.h"
#include "equipment/equipmentmenu.h"
#include "equipment/vsd_connect_form.h"
#include "equipment/vsd_options_form.h"
#include "equipment/vsd_resonance_form.h"
#include "equipment/vsd_service_menu.h"
#include "equipment/vsd_uf_setting_form.h"
#include "equipment/vsd_vector_form.h"
#include "protections/running_mode_menu.h"
#include "screens/mainmenu.h"
#include "texts/common.h"
#include "ui/mainwindow.h"
#include "ui/pairlist.h"

VsdMenu::VsdMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdMenu"));
    setTitle(tr("ЧРП"));
}

quint16 VsdMenu::currentVsdType()
{
    return static_cast<quint16>(Common::toCode(MainApplication::getInstance()->getValue(685)));
}

QList<BaseForm*> VsdMenu::createPages(quint16 vsdType)
{
    QList<BaseForm*> pages{new RunningModeMenu(nullptr), new VsdOptionsForm(nullptr), new VsdUfSettingForm(nullptr)};
    if (vsdType == 1) {
        pages.append(new VsdResonanceForm(nullptr));
        pages.append(new VsdVectorForm(nullptr));
    }
    pages.append(new VsdServiceMenu(nullptr));
    pages.append(new VsdConnectForm(nullptr));
    return pages;
}

QList<BaseForm*> VsdMenu::createNextForm()
{
    return createPages(currentVsdType());
}

void VsdMenu::createForm()
{
    PairList types;
    for (int code = 0; code <= 3; ++code)
        types.append(code, Common::getTextVsdType(code));
    addComboBox(685, types);

    vsdType_ = currentVsdType();
    addButton(tr("Режимы пуска"), QPixmap());
    addButton(tr("Настройки ЧРП"), QPixmap());
    addButton(tr("Настройка U/f"), QPixmap());
    if (vsdType_ == 1) {
        addButton(tr("Подавление резонанса"), QPixmap());
        addButton(tr("Векторный режим"), QPixmap());
    }
    addButton(tr("Сервисное меню ЧРП"), QPixmap());
    addButton(tr("Параметры связи с ЧРП"), QPixmap());
}

void VsdMenu::setFormsList()
{
    BaseForm::setFormsList(createPages(vsdType_));
}

void VsdMenu::returnBackForm()
{
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("EquipmentMenu"));
}
