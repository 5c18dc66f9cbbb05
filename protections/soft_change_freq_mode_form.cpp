#include "protections/soft_change_freq_mode_form.h"

#include "protections/mode_rows.h"
#include "protections/modes_menu.h"
#include "screens/technologparamsmenu.h"

namespace {
constexpr quint16 kOilCompany = 1330;
constexpr quint16 kCompanyBp = 3;
}

SoftChangeFreqModeForm::SoftChangeFreqModeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("SoftChangeFreqModeForm"));
    setTitle(QObject::tr("Программное изменение частоты (ВНР)"));
}

void SoftChangeFreqModeForm::createForm()
{
    addComboBox(464, ModeRows::repeatSwitch());
    ModeRows::addEdits(this, {465, 466});
    if (selector(kOilCompany) == kCompanyBp)
        ModeRows::addEdits(this, {2082, 2080, 2081});
    else
        addEdit(467);
    addEdit(672);
}

void SoftChangeFreqModeForm::returnBackForm()
{
    showMenuPage<TechnologParamsMenu, ModesMenu>();
}
