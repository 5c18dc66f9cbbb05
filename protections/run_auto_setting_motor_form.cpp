#include "protections/run_auto_setting_motor_form.h"

#include "equipment/vsd_menu.h"
#include "protections/mode_rows.h"
#include "protections/running_mode_menu.h"
#include "protections/baseprotectionform.h"
#include "texts/common.h"

RunAutoSettingMotorForm::RunAutoSettingMotorForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("RunAutoSettingMotorForm"));
    setTitle(QObject::tr("Автонастройка"));
}

void RunAutoSettingMotorForm::createForm()
{
    addComboBox(1447, ModeRows::repeatSwitch());
    // The drive's own register numbers follow the names of three settings.
    const QString resistance = Common::getTextFromId(10496) + QStringLiteral(" (214(D6h))");
    switch (selector(685)) {
    case 1:
        ModeRows::addEdits(this, {10105, 10106});
        addEdit(Common::getTextFromId(10068) + QStringLiteral(" (128(80h))"), 10068);
        addEdit(Common::getTextFromId(10497) + QStringLiteral(" (176(B0h))"), 10497);
        addEdit(resistance, 10496);
        addComboBox(10541, BaseProtectionForm::choices(&Common::getTextUseInduct, {0, 1}));
        break;
    case 2:
        ModeRows::addEdits(this, {1440, 1442, 1470, 1441, 1443, 1471, 1466, 1472, 1464, 1465, 1467, 1468, 1469});
        addStatusNum(resistance, 10496);
        ModeRows::addValues(this, {10497, 1051});
        break;
    default:
        break;
    }
    connect(this, &BaseForm::signalShowForm, this, &RunAutoSettingMotorForm::showWarning);
}

void RunAutoSettingMotorForm::returnBackForm()
{
    showMenuPage<VsdMenu, RunningModeMenu>();
}

void RunAutoSettingMotorForm::showWarning()
{
    ModeRows::warnStopMotor(1447);
}
