#include "protections/protection_temperature_motor_form.h"

#include "protections/protections_dhs_menu.h"
#include "protections/protections_menu.h"
#include "texts/common.h"

ProtectionTemperatureMotorForm::ProtectionTemperatureMotorForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionTemperatureMotorForm"));
    setTitle(QObject::tr("Температура двигателя"));
}

void ProtectionTemperatureMotorForm::createForm()
{
    addActionRows(223, {0, 1, 2}, 1492);
    addEdit(230);
    addComboBox(1215, choices([](int key) { return Common::getTextSourceTemperature(sensorTemperatureMotor(key)); },
                              {SensorTemperatureWinding, SensorTemperatureOil}));
    addStatusNum(Common::toInt(value(1215)) != 0 ? 15048 : 15003);
    addEdits({225, 226, 231, 227, 228, 229});
    addButtonResetDefault(617);
    rebuildOnUpdate({1215}, &ProtectionsDhsMenu::createNextForm);
}

void ProtectionTemperatureMotorForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsDhsMenu>();
}
