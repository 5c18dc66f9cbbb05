#include "equipment/trans_form.h"

#include "equipment/equipmentmenu.h"
#include "screens/mainmenu.h"
#include "texts/common.h"
#include "ui/mainwindow.h"
#include "ui/pairlist.h"

namespace {

enum Kind { Edit, Status, Choice };
// Valve: only for a permanent-magnet motor (782 = 1); Own: only on the maker's own drive (685 = 1).
enum When { Always, Valve, Own };

struct Row {
    Kind kind;
    quint16 id;
    When when;
};

const Row kRows[] = {
    {Choice, 720, Always},
    {Choice, 699, Always},
    {Edit, 32, Always},
    {Choice, 34, Always},
    {Edit, 33, Valve},
    {Edit, 698, Valve},
    {Edit, 1213, Valve},
    {Edit, 1172, Valve},
    {Edit, 1173, Valve},
    {Choice, 36, Always},
    {Edit, 35, Always},
    {Choice, 1327, Always},
    {Edit, 1339, Valve},
    {Edit, 1176, Valve},
    {Edit, 1174, Valve},
    {Edit, 773, Always},
    {Edit, 721, Always},
    {Status, 785, Own},
    {Status, 808, Own},
    {Status, 37, Always},
    {Edit, 38, Always},
};

const QList<int> kVoltages{380, 400, 415, 480, 500, 600, 690};
const QList<int> kFrequencies{50, 60};
const QList<int> kCrossSections{8, 10, 13, 16, 21, 25, 33, 42, 53};
// AWG 1 to 8, by the cross-section in mm2 that stands for each.
const QList<int> kAwgCrossSections{42, 33, 26, 21, 16, 13, 10, 8};

// Keys are stored values; the texts carry the unit of the row's parameter.
PairList numbered(quint16 id, const QList<int>& keys)
{
    const QString unit = BaseForm::unitText(id);
    PairList list;
    for (int key : keys)
        list.append(key, QStringLiteral("%1 %2").arg(key).arg(unit));
    return list;
}

PairList choicesOf(quint16 id)
{
    switch (id) {
    case 720:
    case 34:
        return numbered(id, kVoltages);
    case 699:
        return numbered(id, kFrequencies);
    case 36:
        if (BaseForm::selector(1651) == 0)
            return numbered(id, kCrossSections);
        {
            PairList awg;
            for (int i = 0; i < kAwgCrossSections.size(); ++i)
                awg.append(kAwgCrossSections.at(i), QStringLiteral("AWG %1").arg(i + 1));
            return awg;
        }
    case 1327: {
        PairList metals;
        for (unsigned short metal = 0; metal <= 1; ++metal)
            metals.append(metal, Common::getTextTypeMetal(metal));
        return metals;
    }
    default:
        return PairList();
    }
}

} // namespace

TransForm::TransForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("TransForm"));
    setTitle(tr("ТМПН"));
}

void TransForm::createForm()
{
    const bool valve = selector(782) == 1;
    const bool own = selector(685) == 1;
    for (const Row& row : kRows) {
        if ((row.when == Valve && !valve) || (row.when == Own && !own))
            continue;
        switch (row.kind) {
        case Edit:
            addEdit(row.id);
            break;
        case Status:
            addStatusNum(row.id, false);
            break;
        case Choice:
            addComboBox(row.id, choicesOf(row.id));
            break;
        }
    }
    onValueChange({783}, [this](quint16 id) { slotParamUpdated(id); });
}

void TransForm::returnBackForm()
{
    showMenuPage<MainMenu, EquipmentMenu>();
}

void TransForm::slotParamUpdated(quint16 id)
{
    if (id != 783)
        return;
    if (MainWindow* window = mainWindow())
        window->showMessageAdaptation();
}
