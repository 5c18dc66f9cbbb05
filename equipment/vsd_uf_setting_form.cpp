#include "equipment/vsd_uf_setting_form.h"

#include "equipment/equipmentmenu.h"
#include "equipment/vsd_menu.h"
#include "texts/common.h"

namespace {

// Points of the curve: frequency, voltage and current parameters.
struct UfPoint {
    quint16 f;
    quint16 u;
    quint16 i;
};
const UfPoint kPoints[] = {
    {10031, 10030, 10348},
    {10033, 10032, 10349},
    {10035, 10034, 10350},
    {10037, 10036, 10351},
    {10039, 10038, 10352},
    {10041, 10040, 10353},
    {10163, 10162, 10354},
};
constexpr quint16 kShape = 10029;
constexpr quint16 kHoldFrequency = 10057;

} // namespace

VsdUfSettingForm::VsdUfSettingForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdUfSettingForm"));
    setTitle(tr("Настройка U/f"));
}

void VsdUfSettingForm::createForm()
{
    const quint16 type = selector(685);
    switch (type) {
    case 1:
        // The first point's frequency is fixed by the drive.
        addStatusNum(kPoints[0].f, false);
        for (int n = 0; n < 7; ++n) {
            if (n > 0)
                addEdit(kPoints[n].f);
            addEdit(kPoints[n].u);
            addEdit(kPoints[n].i);
        }
        addEdit(kHoldFrequency);
        break;
    case 2:
    case 3: {
        if (type == 3) {
            PairList shapes;
            for (int shape = 0; shape <= 3; ++shape)
                shapes.append(shape, Common::getTextUfType(shape));
            addComboBox(kShape, shapes);
        }
        const int points = type == 2 ? 6 : 5;
        for (int n = 0; n < points; ++n) {
            addEdit(kPoints[n].f);
            addEdit(kPoints[n].u);
        }
        break;
    }
    default:
        break;
    }
}

void VsdUfSettingForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, VsdMenu>();
}
