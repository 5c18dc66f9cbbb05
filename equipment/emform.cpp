#include "equipment/emform.h"

#include "app/parameters.h"
#include "equipment/em_connect_form.h"
#include "equipment/equipmentmenu.h"
#include "screens/mainmenu.h"
#include "texts/common.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/pairlist.h"

namespace {

constexpr quint16 kMeterType = 705;
constexpr quint16 kCurrentRatio = 20049;
constexpr quint16 kVoltageSource = 1482;
constexpr float kSourceMeter = 1.0f;

} // namespace

EmForm::EmForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("EmForm"));
    setTitle(tr("Счётчик электроэнергии"));
}

Pages EmForm::createNextForm()
{
    return {new EmConnectForm(nullptr)};
}

void EmForm::setFormsList()
{
    BaseForm::setFormsList(createNextForm());
}

void EmForm::createForm()
{
    const quint16 type = selector(kMeterType);
    PairList types;
    // The order of the station's lists: the ПСЧ-4ТМ (5) after the СЭТ-4ТМ03.
    for (int code : {0, 1, 5, 2, 3, 4})
        types.append(code, Common::getTextEmType(static_cast<unsigned short>(code)));
    addComboBox(kMeterType, types);
    if (type != 0) {
        addEdit(kCurrentRatio);
        PairList sources;
        for (int code = 0; code <= 1; ++code)
            sources.append(code, Common::getTextSourceVoltage(static_cast<unsigned short>(code)));
        addComboBox(kVoltageSource, sources);
        addButton(tr("Параметры связи счётчика электроэнергии"));
    }
    rebuildOnUpdate({kMeterType}, &EquipmentMenu::createNextForm);
    if (Parameters* p = params())
        connect(p, &Parameters::signalParamUpdated, this, &EmForm::slotParamUpdated);
}

void EmForm::slotParamUpdated(quint16 id, quint8 cmd)
{
    // Limits and unit codes are no choice of the operator's.
    if (id != kVoltageSource || cmd == 7 || cmd == 8 || cmd == 15)
        return;
    if (value(kVoltageSource) == kSourceMeter) {
        MessageDialog::showOnce(tr("Внимание!\nОтключена запись аварийных архивов\nи защита чередования фаз"),
                                MessageDialog::Information, mainWindow());
    }
}

void EmForm::returnBackForm()
{
    showMenuPage<MainMenu, EquipmentMenu>();
}
