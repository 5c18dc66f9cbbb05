#include "equipment/corrections_form.h"

#include "equipment/correction_ai.h"
#include "equipment/corrections_current_in.h"
#include "equipment/corrections_current_motor.h"
#include "equipment/corrections_current_out.h"
#include "equipment/corrections_current_trans.h"
#include "equipment/corrections_voltage_in.h"
#include "equipment/corrections_voltage_motor.h"
#include "equipment/corrections_voltage_out.h"
#include "equipment/corrections_voltage_trans.h"
#include "screens/mainmenu.h"
#include "screens/technologparamsmenu.h"
#include "texts/common.h"
#include "ui/pairlist.h"

namespace {

constexpr quint16 kCalibrationType = 2085;

} // namespace

CorrectionsForm::CorrectionsForm(QWidget* parent)
    : BaseMenu(parent, &CorrectionsForm::items)
{
    setObjectName(QStringLiteral("CorrectionsForm"));
    setTitle(tr("Корректировки"));
}

QList<MenuItem> CorrectionsForm::items()
{
    return {
        MenuItem::row([](BaseForm* menu) {
            PairList types;
            for (int code = 0; code <= 1; ++code)
                types.append(code, Common::getTextCalibType(static_cast<unsigned short>(code)));
            menu->addComboBox(kCalibrationType, types);
        }),
        MenuItem::child<CorrectionsCurrentIn>(tr("Корректировка тока на входе")),
        MenuItem::child<CorrectionsVoltageIn>(tr("Корректировка напряжения на входе")),
        MenuItem::child<CorrectionsCurrentOut>(tr("Корректировка тока на выходе")),
        MenuItem::child<CorrectionsVoltageOut>(tr("Корректировка напряжения на выходе")),
        MenuItem::child<CorrectionsCurrentTrans>(tr("Корректировка тока трансформатора")),
        MenuItem::child<CorrectionsVoltageTrans>(tr("Корректировка напряжения трансформатора")),
        MenuItem::child<CorrectionsCurrentMotor>(tr("Корректировка тока двигателя")),
        MenuItem::child<CorrectionsVoltageMotor>(tr("Корректировка напряжения двигателя")),
        MenuItem::child<CorrectionAI>(tr("Корректировка аналоговых входов")),
    };
}

Pages CorrectionsForm::createNextForm()
{
    return pages(items());
}

void CorrectionsForm::returnBackForm()
{
    showMenuPage<MainMenu, TechnologParamsMenu>();
}
