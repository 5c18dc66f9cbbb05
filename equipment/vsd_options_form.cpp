#include "equipment/vsd_options_form.h"

#include <iterator>

#include "app/parameters.h"
#include "equipment/equipmentmenu.h"
#include "equipment/vsd_menu.h"
#include "texts/common.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"

namespace {

constexpr quint16 kVsdType = 685;
constexpr quint16 kMotorType = 782;
constexpr quint16 kAccessLevel = 572;
constexpr quint16 kRatedCurrent = 884;
constexpr quint16 kAdaptation = 783;
constexpr quint16 kControlType = 10006;
constexpr quint16 kVectorType = 10524;

} // namespace

VsdOptionsForm::VsdOptionsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdOptionsForm"));
    setTitle(tr("Настройки ЧРП"));
}

PairList VsdOptionsForm::switchingFreqCodes(int ratedCurrent)
{
    int first = 2;
    int last = 14;
    switch (ratedCurrent) {
    case 100:
    case 160:
        last = 10;
        break;
    case 250:
    case 400:
    case 450:
        first = 4;
        last = 7;
        break;
    case 630:
    case 800:
        last = 6;
        break;
    default:
        break;
    }
    PairList codes;
    for (int code = first; code <= last; ++code)
        codes.append(code, Common::getTextSwitchingFreqCode(code));
    return codes;
}

void VsdOptionsForm::createForm()
{
    const quint16 type = selector(kVsdType);
    const bool magnetMotor = selector(kMotorType) == 1;

    PairList control{{0, Common::getTextMotorControl(0)}};
    // An induction motor runs on U/f only; Danfoss vector control is for level 3 and up.
    if (magnetMotor && (type == 1 || type == 3 || (type == 2 && Common::toInt(value(kAccessLevel)) >= 3)))
        control.append(1, Common::getTextMotorControl(1));
    addComboBox(kControlType, control);
    if (type == 3 && selector(kControlType) == 1)
        addComboBox(kVectorType, PairList{{1, Common::getTextVectType(1)}});
    addComboBox(10007, PairList{{0, Common::getTextRotation(0)}, {1, Common::getTextRotation(1)}});
    addEdit(10025);
    if (type == 2)
        addStatusNum(10026, false);
    else
        addEdit(10026);
    addEdit(10002);
    addEdit(10151);
    addEdit(10152);
    addComboBox(10300, PairList{{0, Common::getTextTypeStop(0)}, {1, Common::getTextTypeStop(1)}});

    if (type == 1) {
        PairList pwm;
        const char* const kiloHertz[] = {"2,0 ", "2,5 ", "3,0 ", "3,5 ", "4,0 ", "4,5 ", "5,0 "};
        for (int i = 0; i < int(std::size(kiloHertz)); ++i)
            pwm.append(2000 + 500 * i, QString::fromLatin1(kiloHertz[i]) + Common::getTextUnitFreq(1));
        addComboBox(10228, pwm);
        addComboBox(10355, PairList{{0, QStringLiteral("Sinus")}, {1, QStringLiteral("OverPWM1")},
                                    {2, QStringLiteral("OverPWM2")}});
        addEdit(10118);
        addEdit(10513);
        addEdit(10457);
        addComboBox(10063, PairList{{0, tr("Откл")}, {1, QStringLiteral("100 %")},
                                    {2, QStringLiteral("50 %")}, {3, QStringLiteral("25 %")},
                                    {4, QStringLiteral("12.5 %")}, {5, QStringLiteral("6.25 %")},
                                    {6, QStringLiteral("3.125 %")}, {7, QStringLiteral("1.562 %")}});
    } else if (type == 2) {
        addComboBox(10340, switchingFreqCodes(Common::toInt(value(kRatedCurrent))));
    } else {
        addEdit(10228);
    }

    // The vector control type row comes and goes with the control type of an "Эталон" drive.
    rebuildOnUpdate({}, &VsdMenu::createNextForm);
    if (Parameters* p = params())
        connect(p, &Parameters::signalParamUpdated, this, &VsdOptionsForm::slotParamUpdated);
}

void VsdOptionsForm::slotParamUpdated(quint16 id, quint8 cmd)
{
    // Limits and unit codes are not new values.
    if (cmd == 7 || cmd == 8 || cmd == 15)
        return;
    switch (id) {
    case kAdaptation:
        if (MainWindow* window = mainWindow())
            window->showMessageAdaptation();
        break;
    case kControlType:
        if (selector(kVsdType) == 3)
            requestRebuild();
        break;
    case kVectorType:
        if (selector(kMotorType) == 1 && selector(kVectorType) != 1)
            MessageDialog::showOnce(tr("Внимание!\nДля вентильного двигателя этот тип управления не рекомендуется"),
                                    MessageDialog::Information, mainWindow());
        break;
    default:
        break;
    }
}

void VsdOptionsForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, VsdMenu>();
}
