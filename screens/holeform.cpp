#include "screens/holeform.h"

#include "screens/mainmenu.h"
#include "screens/notebookmenu.h"
#include "texts/common.h"
#include "ui/pairlist.h"

HoleForm::HoleForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("HoleForm"));
    setTitle(tr("Скважина"));
}

void HoleForm::createForm()
{
    for (quint16 id : {515, 516, 517})
        addEdit(id);
    // Names of up to 8 characters, each held in a pair of parameters.
    addStringEdit(1658, 1659);
    addStringEdit(1660, 1661);
    PairList onOff;
    onOff.append(0, Common::getTextOnOff(0));
    onOff.append(1, Common::getTextOnOff(1));
    addComboBox(1663, onOff);
}

void HoleForm::returnBackForm()
{
    showMenuPage<MainMenu, NotebookMenu>();
}
