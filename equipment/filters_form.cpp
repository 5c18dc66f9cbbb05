#include "equipment/filters_form.h"

#include "equipment/equipmentmenu.h"
#include "screens/mainmenu.h"
#include "texts/common.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/pairlist.h"

FiltersForm::FiltersForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("FiltersForm"));
    setTitle(tr("Фильтры"));
}

void FiltersForm::createForm()
{
    const bool etalon = selector(685) == 3;
    PairList onOff;
    for (unsigned short v = 0; v <= 1; ++v)
        onOff.append(v, Common::getTextOnOff(v));

    addComboBox(712, onOff);
    if (selector(712) != 0) {
        addEdit(1684);
        addEdit(1685);
        if (etalon)
            addStatusNum(10552, false);
    }
    addComboBox(713, onOff);
    if (selector(713) != 0) {
        addEdit(695);
        addEdit(714);
        addEdit(1340);
        addStatusNum(786, false);
        addComboBox(1101, onOff);
        addStatusNum(10327, false);
        if (etalon)
            addStatusNum(10328, false);
    }

    rebuildOnUpdate({712, 713}, &EquipmentMenu::createNextForm);
    onValueChange({712, 1101, 783}, [this](quint16 id) { slotParamUpdated(id); });
}

void FiltersForm::returnBackForm()
{
    showMenuPage<MainMenu, EquipmentMenu>();
}

void FiltersForm::slotParamUpdated(quint16 id)
{
    if (id == 783) {
        if (MainWindow* window = mainWindow())
            window->showMessageAdaptation();
        return;
    }
    // The overheat protection of the filter needs the input filter or the sensor (Danfoss drive).
    if (value(685) == 2.0f && value(712) == 0.0f && value(1101) == 0.0f)
        MessageDialog::showOnce(tr("Защита по перегреву фильтра отключена"), MessageDialog::Information, mainWindow());
}
