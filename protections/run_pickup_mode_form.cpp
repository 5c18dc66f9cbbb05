#include "protections/run_pickup_mode_form.h"

#include "equipment/vsd_menu.h"
#include "protections/mode_rows.h"
#include "protections/running_mode_menu.h"

RunPickupModeForm::RunPickupModeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("RunPickupModeForm"));
    setTitle(QObject::tr("Подхват"));
}

void RunPickupModeForm::createForm()
{
    addComboBox(691, ModeRows::repeatSwitch());
    switch (selector(685)) {
    case 1:
        ModeRows::addEdits(this, {10098, 10137, 10495, 10096, 10062, 10061, 1214});
        break;
    case 2:
        ModeRows::addEdits(this, {1034, 1035, 1036, 1037});
        addStatusNum(10);
        addEdit(1214);
        break;
    case 3:
        addEdit(10264);
        break;
    default:
        break;
    }
}

void RunPickupModeForm::returnBackForm()
{
    showMenuPage<VsdMenu, RunningModeMenu>();
}
