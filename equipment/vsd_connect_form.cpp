#include "equipment/vsd_connect_form.h"

#include "app/parameters.h"
#include "equipment/equipmentmenu.h"
#include "equipment/vsd_menu.h"
#include "texts/common.h"

namespace {

constexpr quint16 kApplyPort = 761;
constexpr quint16 kResetCounters = 913;
// Link quality, requests, answers, lost answers, faulty answers, checksum errors, device errors.
constexpr quint16 kCounters[] = {890, 891, 892, 896, 893, 894, 895};
constexpr int kPortSpeeds[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

} // namespace

VsdConnectForm::VsdConnectForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdConnectForm"));
    setTitle(tr("Связь с ЧРП"));
}

void VsdConnectForm::createForm()
{
    for (quint16 id : kCounters)
        addStatusNum(id, false);
    if (selector(685) == 1) {
        addComboBox(1707, PairList{{2, Common::getTextChanelVsd(2)}, {4, Common::getTextChanelVsd(4)}});
        addEdit(1701);
        PairList speeds;
        for (int speed : kPortSpeeds)
            speeds.append(speed, QString::number(speed));
        addComboBox(1702, speeds);
        addComboBox(1703, PairList{{0, QStringLiteral("None")}, {1, QStringLiteral("Odd")},
                                   {2, QStringLiteral("Even")}});
        addComboBox(1704, PairList{{1, QStringLiteral("1")}, {2, QStringLiteral("2")}});
        addEdit(1664);
        addEdit(1705);
        addEdit(1706);
        addEdit(958);
    }
    addButton(tr("Применить настройки порта"), SLOT(rebootSoft()));
    addButton(tr("Сбросить счётчики"), SLOT(showResetCountersDialog()));
}

void VsdConnectForm::rebootSoft()
{
    if (!isAccess(kApplyPort, 0))
        return;
    if (Parameters* p = params())
        p->set(kApplyPort, 1, 1);
}

void VsdConnectForm::showResetCountersDialog()
{
    sendCommand(kResetCounters, 1, false, tr("Сбросить счётчики качества связи?"));
}

void VsdConnectForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, VsdMenu>();
}
