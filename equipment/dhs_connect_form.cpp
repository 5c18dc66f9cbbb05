#include "equipment/dhs_connect_form.h"

#include "equipment/dhs_menu.h"
#include "equipment/equipmentmenu.h"
#include "texts/common.h"

namespace {

constexpr quint16 kType = 39;
constexpr quint16 kRequestDelay = 15137;
constexpr quint16 kResetCounters = 912;

} // namespace

DhsConnectForm::DhsConnectForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("DhsConnectForm"));
    setTitle(tr("Связь с ТМС"));
}

void DhsConnectForm::createForm()
{
    // Link quality, requests, answers, lost answers, incorrect answers, checksum errors, device errors.
    for (quint16 id : {901, 902, 903, 907, 904, 905, 906})
        addStatusNum(id, false);
    const int type = Common::toInt(value(kType));
    if (type == DhsBorets2 || type == DhsRnTransfer)
        addEdit(kRequestDelay);
    addButton(tr("Сбросить счётчики"), SLOT(showResetCountersDialog()));
}

void DhsConnectForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, DhsMenu>();
}

void DhsConnectForm::showResetCountersDialog()
{
    sendCommand(kResetCounters, 1.0f, false, tr("Сбросить счётчики качества связи?"));
}
