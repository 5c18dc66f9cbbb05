#include "screens/optionsscadaform.h"

#include "screens/mainmenu.h"
#include "screens/optionsmenu.h"
#include "texts/common.h"
#include "ui/pairlist.h"

namespace {
constexpr int kLastProfile = 12;
constexpr int kLastParity = 4;
}

OptionsScadaForm::OptionsScadaForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("OptionsScadaForm"));
    setTitle(tr("SCADA"));
}

void OptionsScadaForm::createForm()
{
    PairList profiles;
    for (int code = 0; code <= kLastProfile; ++code)
        profiles.append(code, Common::getTextScadaType(code));
    addComboBox(578, profiles);
    for (quint16 id : {579, 580, 581})
        addEdit(id);
    PairList parity;
    for (int code = 0; code <= kLastParity; ++code)
        parity.append(code, Common::getTextScadaParity(code));
    addComboBox(582, parity);
    addEdit(583);
    addEdit(584);
}

void OptionsScadaForm::returnBackForm()
{
    showMenuPage<MainMenu, OptionsMenu>();
}
