#include "equipment/bypass_contactors_form.h"

#include "equipment/equipmentmenu.h"
#include "screens/mainmenu.h"
#include "texts/common.h"
#include "ui/baseparamwidget.h"
#include "ui/pairlist.h"

namespace {

constexpr quint16 kVsdType = 685;
constexpr quint16 kReferenceDrive = 3;
constexpr quint16 kBypassOn = 1052;
constexpr quint16 kStateKm1 = 1055;
constexpr quint16 kStateKm2 = 1056;
constexpr quint16 kDirectSync = 10504;
constexpr quint16 kTransition = 10505;
constexpr quint16 kTransitionState = 10507;

// States of the transition, by their codes 0 to 9.
const char* const kTransitionStates[] = {
    QT_TRANSLATE_NOOP("BypassContactorsForm", "Не синхр."),
    QT_TRANSLATE_NOOP("BypassContactorsForm", "Норма"),
    QT_TRANSLATE_NOOP("BypassContactorsForm", "Режим ВД"),
    QT_TRANSLATE_NOOP("BypassContactorsForm", "Fбаз"),
    QT_TRANSLATE_NOOP("BypassContactorsForm", "Синхр. выкл"),
    QT_TRANSLATE_NOOP("BypassContactorsForm", "Вращение"),
    QT_TRANSLATE_NOOP("BypassContactorsForm", "Черед. фаз"),
    QT_TRANSLATE_NOOP("BypassContactorsForm", "Uстаб"),
    QT_TRANSLATE_NOOP("BypassContactorsForm", "ЧРП не готов"),
    QT_TRANSLATE_NOOP("BypassContactorsForm", "Uбаз"),
};

} // namespace

BypassContactorsForm::BypassContactorsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("BypassContactorsForm"));
    setTitle(tr("Байпасные контакторы"));
}

void BypassContactorsForm::createForm()
{
    PairList list;
    if (selector(kVsdType) == kReferenceDrive) {
        addButton(BaseParamWidget::textFromId(kDirectSync), SLOT(setDirectSync()));
        addButton(BaseParamWidget::textFromId(kTransition), SLOT(setCmdTransition()));
        for (const char* state : kTransitionStates)
            list.append(list.size(), tr(state));
        addStatusText(kTransitionState, list);
        return;
    }
    for (int on = 0; on <= 1; ++on)
        list.append(on, Common::getTextOnOff(static_cast<unsigned short>(on)));
    addComboBox(kBypassOn, list);
    if (selector(kBypassOn) != 0) {
        addStatusText(kStateKm1, list);
        addStatusText(kStateKm2, list);
    }
    rebuildOnUpdate({kBypassOn}, &EquipmentMenu::createNextForm);
}

void BypassContactorsForm::returnBackForm()
{
    showMenuPage<MainMenu, EquipmentMenu>();
}

void BypassContactorsForm::setDirectSync()
{
    sendCommand(kDirectSync, 1.0f, true, tr("Синхронизировать с сетью?"));
}

void BypassContactorsForm::setCmdTransition()
{
    sendCommand(kTransition, 1.0f, true, tr("Перейти с режима на режим?"));
}
