#include "equipment/vsd_service_hardware_form.h"

#include "app/parameters.h"
#include "equipment/vsd_menu.h"
#include "equipment/vsd_service_menu.h"
#include "texts/common.h"

namespace {

// The proxy control register that the reset writes; not a row of the page.
constexpr quint16 kProxyControl = 10538;

} // namespace

VsdServiceHardwareForm::VsdServiceHardwareForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdServiceHardwareForm"));
    setTitle(tr("Аппаратура ЧРП"));
}

void VsdServiceHardwareForm::createForm()
{
    using R = VsdServiceRow;
    const PairList onOff = VsdServiceMenu::onOff();
    const PairList measurement{{0, tr("Гармонические")}, {1, tr("Действующее")}};
    const PairList sensorPosition{{0, Common::getTextSensorPosition(0)}, {1, Common::getTextSensorPosition(1)}};
    const PairList testMode{{0, tr("Откл")}, {1, tr("Предупреждение")}, {2, tr("Авария")}};
    const PairList flashErrors{{0, tr("Откл")}, {1, tr("Предупреждение")}};
    const PairList extensionSlot{{0, tr("Базовая")}, {1, QStringLiteral("RS485")}, {2, QStringLiteral("SPI")}, {3, tr("Прочая")}};
    // The key is the speed divided by 1200.
    PairList portSpeed;
    for (int speed : {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200})
        portSpeed.append(speed / 1200, QString::number(speed));
    // Kind, id, register, choices, label
    VsdServiceMenu::addRows(this, {
        {R::Edit, 10081, QStringLiteral(" (109)")},
        {R::Edit, 10082, QStringLiteral(" (110)")},
        {R::Edit, 10138, QStringLiteral(" (111)")},
        {R::Edit, 10498, QStringLiteral(" (112)")},
        {R::Edit, 10139, QStringLiteral(" (113)")},
        {R::Edit, 10142, QStringLiteral(" (116)")},
        {R::Edit, 10143, QStringLiteral(" (117)")},
        {R::Edit, 10494, QStringLiteral(" (212)")},
        {R::Choice, 862, QString(), measurement},
        {R::Choice, 10054, QString(), measurement},
        {R::Choice, 10547, QString(), onOff},
        {R::Choice, 10456, QString(), onOff},
        {R::Choice, 10533, QString(), sensorPosition},
        {R::Choice, 10534, QString(), onOff},
        {R::Choice, 1638, QString(), testMode, tr("Тестовый режим контроллера ПЧ")},
        {R::Choice, 1711, QString(), flashErrors},
        {R::Choice, 2086, QString(), onOff},
        {R::Choice, 10542, QString(), onOff},
        {R::Edit, 10042, QStringLiteral(" (204)")},
        {R::Edit, 10044},
        {R::Choice, 10045, QString(), extensionSlot},
        {R::Edit, 1687},
        {R::Edit, 1688},
        {R::Edit, 1708},
        {R::Edit, 1709},
        {R::Edit, 1710},
        {R::Edit, 10543},
        {R::Choice, 10544, QString(), portSpeed},
    });
    addButton(tr("Сбросить прокси"), SLOT(showResetProxyDialog()));
}

void VsdServiceHardwareForm::returnBackForm()
{
    showMenuPage<VsdMenu, VsdServiceMenu>();
}

void VsdServiceHardwareForm::showResetProxyDialog()
{
    sendCommand(kProxyControl, 2, true, tr("Сбросить прокси"));
}
