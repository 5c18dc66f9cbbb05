#include "equipment/motor_form.h"

#include "equipment/equipmentmenu.h"
#include "equipment/mastermotorform.h"
#include "screens/mainmenu.h"
#include "texts/common.h"
#include "ui/baseeditwidget.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/pairlist.h"

namespace {

// Motor profiles of the Danfoss drive, by motor type.
const QList<int> kAsyncProfiles{0, 3600};
const QList<int> kValveProfiles{500, 1000, 3000, 6000, 8500, 1, 2, 12000};

} // namespace

MotorForm::MotorForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("MotorForm"));
    setTitle(tr("Двигатель"));
}

Pages MotorForm::createNextForm()
{
    return {new MasterMotorForm(nullptr)};
}

void MotorForm::createForm()
{
    const quint16 motorType = selector(782);
    const quint16 vsdType = selector(685);

    PairList choices;
    choices.append(0, Common::getTextTypeMtr(0));
    if (selector(10554) == 0)
        choices.append(1, Common::getTextTypeMtr(1));
    addComboBox(782, choices);

    if (vsdType == 2 && motorType <= 1) {
        choices.clear();
        for (int profile : motorType == 0 ? kAsyncProfiles : kValveProfiles)
            choices.append(profile, Common::getTextMotorProfile(static_cast<unsigned short>(profile)));
        addComboBox(1030, choices);
    } else if (motorType == 1) {
        addButton(tr("Мастер выбора двигателя"));
    }

    addEdit(10015);
    addEdit(10016);
    motorCurrent_ = addEdit(10017);
    // The Danfoss drive derives speed and frequency from its motor profile.
    for (quint16 id : {10018, 10019}) {
        if (vsdType == 2)
            addStatusNum(id, false);
        else
            addEdit(id);
    }
    addEdit(10020);

    if (motorType == 1) {
        choices.clear();
        for (unsigned short method = 0; method <= 2; ++method)
            choices.append(method, Common::getTextMotorInductance(method));
        addComboBox(1329, choices);
        switch (selector(1329)) {
        case 0:
            addEdit(696);
            break;
        case 1:
            addEdit(697);
            break;
        default:
            addEdit(1691);
            addEdit(1692);
            break;
        }
        addEdit(10283);
        addEdit(1051);
        addEdit(10024);
    }

    rebuildOnUpdate({782, 1030, 1329}, &EquipmentMenu::createNextForm);
    onValueChange({782, 783}, [this](quint16 id) { slotParamUpdated(id); });
    if (vsdType == 2)
        connect(motorCurrent_, &BaseEditWidget::signalEditingBegin, this, &MotorForm::slotSetTextMotorCurrent);
}

void MotorForm::setFormsList()
{
    BaseForm::setFormsList(createNextForm());
}

void MotorForm::returnBackForm()
{
    showMenuPage<MainMenu, EquipmentMenu>();
}

void MotorForm::slotParamUpdated(quint16 id)
{
    if (id == 782) {
        if (selector(685) == 3)
            MessageDialog::showOnce(tr("Внимание!\nПереключите автомат фильтра"), MessageDialog::Information,
                                    mainWindow());
    } else if (id == 783) {
        if (MainWindow* window = mainWindow())
            window->showMessageAdaptation();
    }
}

void MotorForm::slotSetTextMotorCurrent()
{
    MainWindow* window = mainWindow();
    if (window)
        window->setTextInfo(QStringLiteral("%1(%2)").arg(window->textInfo(), tr("Макс=ТокСУ/Коэф.Транс.")));
}
