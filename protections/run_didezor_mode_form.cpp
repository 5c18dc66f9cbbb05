#include "protections/run_didezor_mode_form.h"

#include "equipment/vsd_menu.h"
#include "protections/mode_rows.h"
#include "protections/running_mode_menu.h"
#include "protections/baseprotectionform.h"
#include "texts/common.h"

RunDidezorModeForm::RunDidezorModeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("RunDidezorModeForm"));
    setTitle(QObject::tr("Спецалгоритмы Zazarere"));
}

void RunDidezorModeForm::createForm()
{
    addComboBox(1000, BaseProtectionForm::choices(&Common::getTextRgmMode, {0, 2}));
    const bool service = selector(572) > 2;
    // Pickup.
    ModeRows::addEdits(this, {1583, 1585, 1584, 1586, 1611, 1005});
    if (service)
        ModeRows::addEdits(this, {1008, 1006, 1348});
    // Current limitation.
    addEdit(1422);
    if (service)
        ModeRows::addEdits(this, {1428, 1429});
    // Jogging and swinging.
    ModeRows::addEdits(this, {1587, 1588, 1589, 1590, 1591, 1592, 1593, 1594, 1595, 1596, 1597, 1598});
    // Overload.
    if (service)
        ModeRows::addEdits(this, {1028, 999, 1025, 1579, 956});
    // Gas pumping.
    addComboBox(1599, ModeRows::modeSwitch());
    ModeRows::addEdits(this, {1600, 1601, 1602, 1603});
    if (service)
        ModeRows::addEdits(this, {1605, 1604, 1427});
    // Insulation and running time.
    ModeRows::addEdits(this, {1003, 1004, 1027});
    if (service) {
        addComboBox(2050, BaseProtectionForm::onOff());
        ModeRows::addEdits(this, {1220, 1446, 1461, 1462, 1010, 1449, 1450, 1451, 1452, 1453, 1454, 1445, 1455, 1456,
                                  1457, 1458, 1459, 1460, 1646, 1371, 1351, 1580, 1581, 1582});
    }
}

void RunDidezorModeForm::returnBackForm()
{
    showMenuPage<VsdMenu, RunningModeMenu>();
}
