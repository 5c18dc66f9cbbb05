#include "equipment/em_connect_form.h"

#include "equipment/emform.h"
#include "equipment/equipmentmenu.h"

namespace {

constexpr quint16 kResetCounters = 998;

} // namespace

EmConnectForm::EmConnectForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("EmConnectForm"));
    setTitle(tr("Связь со счётчиком электроэнергии"));
}

void EmConnectForm::createForm()
{
    // Link quality, requests, answers, lost answers, incorrect answers, checksum errors, device errors.
    for (quint16 id : {987, 988, 989, 993, 990, 991, 992})
        addStatusNum(id, false);
    addButton(tr("Сбросить счётчики"), SLOT(showResetCountersDialog()));
}

void EmConnectForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, EmForm>();
}

void EmConnectForm::showResetCountersDialog()
{
    sendCommand(kResetCounters, 1.0f, false, tr("Сбросить счётчики качества связи?"));
}
