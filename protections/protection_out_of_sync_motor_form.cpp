#include "protections/protection_out_of_sync_motor_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_motor_menu.h"
#include "texts/common.h"

ProtectionOutOfSyncMotorForm::ProtectionOutOfSyncMotorForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionOutOfSyncMotorForm"));
    setTitle(QObject::tr("Рассинхронизация ПВЭД"));
}

void ProtectionOutOfSyncMotorForm::createForm()
{
    addActionRows(193, {1, 2}, 1491);
    addEdits({200, 201});
    addComboBox(1217, onOff());
    const bool emf = selector(1217) != 0;
    if (emf) {
        addEdit(1212);
        addStatusNum(1177);
        addStatusNum(1211);
    }
    const quint16 vsdType = selector(685);
    const bool adaptation = emf && (vsdType == 1 || vsdType == 2);
    if (adaptation)
        addComboBox(1322, onOff());
    if (adaptation && selector(1322) != 0) {
        addStatusNum(10497);
        addStatusNum(Common::getTextFromId(10496) + QStringLiteral(" (214(D6h))"), 10496);
    }
    addEdits({195, 196, 197, 198, 199});
    addButtonResetDefault(613);
    rebuildOnUpdate({1217, 1322}, &ProtectionsMotorMenu::createNextForm);
}

void ProtectionOutOfSyncMotorForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsMotorMenu>();
}
