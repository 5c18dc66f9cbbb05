// The panel started as on the station (splash, synchronisation with the simulated controller, main
// window), then driven with key presses through the whole menu tree and the settings pages.
#include <QtTest>

#include <QAbstractItemView>
#include <QComboBox>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "scada/scada.h"
#include "scada/scadafactory.h"
#include "screens/mainscreenform.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "texts/common.h"
#include "ui/basecombobox.h"
#include "ui/basecombobox2.h"
#include "ui/baseeditwidget.h"
#include "ui/baseform.h"
#include "ui/dialoggate.h"
#include "ui/headerwidget.h"
#include "ui/mainwindow.h"
#include "ui/pushbutton.h"
#include "ui/splashscreen.h"

namespace {

// Children of every menu, by class, in the order of its buttons, for the station set up below
// (own drive, valve motor, extension board, downhole sensor system of type 17, an electricity meter).
const QMap<QString, QStringList>& menuTree()
{
    static const QMap<QString, QStringList> tree{
        {"MainMenu",
         {"CurrentParamsMenu", "LogMenu", "EquipmentMenu", "ProtectionsMenu", "TechnologParamsMenu", "NotebookMenu",
          "OptionsMenu"}},
        {"CurrentParamsMenu", {"CurrentParamsSupplyForm", "CurrentParamsMotorForm", "CurrentParamsDhsForm"}},
        {"EquipmentMenu",
         {"MotorForm", "TransForm", "VsdMenu", "DhsMenu", "EmForm", "FiltersForm", "PumpForm",
          "RelayOutputsOptionsMenu", "AnalogOutputsMenu"}},
        {"MotorForm", {"MasterMotorForm"}},
        {"VsdMenu",
         {"RunningModeMenu", "VsdOptionsForm", "VsdUfSettingForm", "VsdResonanceForm", "VsdVectorForm",
          "VsdServiceMenu", "VsdConnectForm"}},
        {"VsdServiceMenu",
         {"VsdServiceIndicationParamForm", "VsdServiceAdditionalForm", "VsdServicePswForm", "VsdTemperatureForm",
          "VsdServiceIndicationTemperatureForm", "VsdServiceHardwareForm"}},
        {"DhsMenu", {"DhsSettingForm", "DhsConnectForm", "DhsConfigurationForm"}},
        {"EmForm", {"EmConnectForm"}},
        {"ProtectionsMenu",
         {"ProtectionsSupplyMenu", "ProtectionsMotorMenu", "ProtectionsDhsMenu", "ProtectionAnalogInputsMenu",
          "ProtectionDigitalInputsMenu", "ProtectionsOtherMenu"}},
        {"ProtectionsSupplyMenu",
         {"ProtectionOvervoltageInputForm", "ProtectionUndervoltageInputForm", "ProtectionImbalanceVoltageInputForm",
          "ProtectionImbalanceCurrentInputForm", "ProtectionPhaseRotationForm"}},
        {"ProtectionsMotorMenu",
         {"ProtectionOverloadMotorForm", "ProtectionUnderloadMotorForm", "ProtectionImbalanceCurrentMotorForm",
          "ProtectionTurbineRotationForm", "ProtectionCurrentMotorForm", "ProtectionOutOfSyncMotorForm"}},
        {"ProtectionsDhsMenu",
         {"ProtectionPressureIntakeForm", "ProtectionPressureDischargeForm", "ProtectionTemperatureMotorForm",
          "ProtectionVibrationMotorForm", "ProtectionFlowDischargeForm", "ProtectionTemperatureIntakeForm",
          "ProtectionConnectDhsForm"}},
        {"ProtectionAnalogInputsMenu",
         {"ProtectionAnalogInput1Form", "ProtectionAnalogInput2Form", "ProtectionAnalogInput3Form",
          "ProtectionAnalogInput4Form"}},
        {"ProtectionDigitalInputsMenu",
         {"ProtectionDigitalInput1Form", "ProtectionDigitalInput2Form", "ProtectionDigitalInput3Form",
          "ProtectionDigitalInput4Form", "ProtectionDigitalInput7Form", "ProtectionDigitalInput8Form",
          "ProtectionDigitalInput9Form", "ProtectionDigitalInput10Form", "ProtectionDigitalInput13Form",
          "ProtectionDigitalInput14Form", "ProtectionDigitalInput15Form", "ProtectionDigitalInput16Form",
          "ProtectionDigitalInput17Form", "ProtectionDigitalInput18Form", "ProtectionDigitalInput19Form",
          "ProtectionDigitalInput20Form", "ProtectionDigitalInput21Form", "ProtectionDigitalInput22Form",
          "ProtectionDigitalInput23Form", "ProtectionDigitalInput24Form"}},
        {"ProtectionsOtherMenu",
         {"ProtectionResistanceIsolationForm", "ProtectionOvernumberOfStartForm", "ProtectionLockDoorForm",
          "HardwareVsdForm", "VsdNoConnectForm", "ProtectionOverheatInputFilterForm", "ProtectionOverheatIgbtForm"}},
        {"TechnologParamsMenu", {"ModesMenu", "CorrectionsForm", "MenuTechnologForm"}},
        {"ModesMenu",
         {"PeriodicModeForm", "AlternationFreqModeForm", "SoftChangeFreqModeForm", "MaintenanceModeForm",
          "OptimizationVoltageModeForm", "CurrentLimitModeForm", "JarringModeForm", "PumpingGasModeForm",
          "DelayedStartForm"}},
        {"RunningModeMenu",
         {"RunPickupModeForm", "RunPushModeForm", "RunSwingModeForm", "RunSynchronFreqForm", "RunAutoSettingMotorForm",
          "RunHighMomentForm"}},
        {"CorrectionsForm",
         {"CorrectionsCurrentIn", "CorrectionsVoltageIn", "CorrectionsCurrentOut", "CorrectionsVoltageOut",
          "CorrectionsCurrentTrans", "CorrectionsVoltageTrans", "CorrectionsCurrentMotor", "CorrectionsVoltageMotor",
          "CorrectionAI"}},
        {"RelayOutputsOptionsMenu",
         {"RelayOutputsOptions1Form", "RelayOutputsOptions2Form", "RelayOutputsOptions3Form",
          "RelayOutputsOptions4Form", "RelayOutputsOptions5Form", "RelayOutputsOptions6Form",
          "RelayOutputsOptions7Form", "RelayOutputsOptions8Form", "RelayOutputsOptions9Form",
          "RelayOutputsOptions10Form", "RelayOutputsOptions11Form", "RelayOutputsOptions12Form"}},
        {"AnalogOutputsMenu", {"AnalogOutput1Form", "AnalogOutput2Form", "AnalogOutput3Form", "AnalogOutput4Form"}},
        {"NotebookMenu", {"HoleForm", "CountersForm", "StatisticsForm", "StationForm", "EnergyConsumptionForm"}},
        {"OptionsMenu",
         {"OptionsLanguageForm", "OptionsUnitsForm", "OptionsScadaForm", "OptionsAccessForm", "OptionsDateTimeForm",
          "OptionsNetworkForm", "UpsForm"}},
    };
    return tree;
}

// A register map that counts itself and serves nothing.
class CountingScada : public Scada
{
public:
    explicit CountingScada(int code) : code(code) {}
    void process() override {}
    const int code;
};

// A screen with one edit row, for the access checks.
class OneEditForm : public BaseForm
{
public:
    explicit OneEditForm(quint16 id) : BaseForm(nullptr, true), id_(id) { setObjectName("OneEditForm"); }
    void createForm() override { addEdit(id_); }
    void returnBackForm() override {}

private:
    quint16 id_;
};

} // namespace

class TestMenuTree : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startupShowsMainScreen();
    void headerFollowsBlockFlag();
    void wholeTreeWalksWithKeys();
    void scadaProfileRecreatesRegisterMap();
    void loginGrantsLevel();
    void cleanupTestCase();

private:
    MainApplication* app() const { return MainApplication::getInstance(); }
    MainWindow* window() const { return app()->mainWindow(); }
    BaseForm* current() const { return window()->currentForm(); }
    QString currentClass() const { return current() ? current()->metaObject()->className() : QString(); }
    QStringList shownClasses() const;
    void key(int key);
    void moveToRow(int row);
    int rowOfButton(BaseForm* form, int position) const;
    void openChild(int position);
    void walk(const QString& menu, QStringList* visited);
    // Waits (bounded) until the controller reports `value` for `id`.
    bool waitValue(quint16 id, float value, int timeoutMs = 5000);
    void openOptionsPage(int position);

    QMap<int, int> scadaCreated_;
};

QStringList TestMenuTree::shownClasses() const
{
    QStringList names;
    for (BaseForm* form : window()->forms())
        names << form->metaObject()->className();
    return names;
}

void TestMenuTree::key(int k)
{
    UiFixture::key(window(), k);
}

void TestMenuTree::moveToRow(int row)
{
    for (int i = 0; i < current()->rowCount() && current()->currentRow() != row; ++i)
        key(Qt::Key_Down);
    QCOMPARE(current()->currentRow(), row);
}

int TestMenuTree::rowOfButton(BaseForm* form, int position) const
{
    for (int row = 0; row < form->rowCount(); ++row) {
        if (form->childButtonPosition(row) == position)
            return row;
    }
    return -1;
}

void TestMenuTree::openChild(int position)
{
    const int row = rowOfButton(current(), position);
    QVERIFY2(row >= 0, qPrintable(QString("%1 has no button %2").arg(currentClass()).arg(position)));
    moveToRow(row);
    key(Qt::Key_Return);
}

bool TestMenuTree::waitValue(quint16 id, float value, int timeoutMs)
{
    return QTest::qWaitFor([&] { return app()->params()->get(id) == value; }, timeoutMs);
}

void TestMenuTree::initTestCase()
{
    qputenv("RVK_SIM_VALUES", "685=1;782=1;1644=1;39=17;705=1");
    DialogGate::setRejectUnanswered(true);
    for (int code = 1; code <= 12; ++code) {
        ScadaFactory::registerProfile(code, [this, code]() -> Scada* {
            ++scadaCreated_[code];
            return new CountingScada(code);
        });
    }
    MainApplication::Options options;
    options.windowed = true;
    QSignalSpy ready(app(), &MainApplication::signalMainWindowReady);
    QVERIFY(app()->init(options));
    // The splash shows the progress until the first synchronisation ends.
    QPointer<SplashScreen> splash;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* s = qobject_cast<SplashScreen*>(w))
            splash = s;
    }
    QVERIFY(splash);
    QVERIFY(splash->isVisible());
    QVERIFY(QTest::qWaitFor([&] { return splash && splash->progress() > 0; }, 20000));
    QVERIFY(ready.count() > 0 || ready.wait(60000));
    QApplication::setActiveWindow(window());
}

void TestMenuTree::startupShowsMainScreen()
{
    QVERIFY(app()->params()->isSynchronized());
    QVERIFY(window());
    QVERIFY(window()->isVisible());
    QCOMPARE(window()->size(), QSize(640, 480));
    QCOMPARE(currentClass(), QString("MainScreenForm"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<SplashScreen*>(w));

    // Identification written at the end of the synchronisation and reported back by the controller.
    QVERIFY(waitValue(541, 3.38f));
    QVERIFY(QTest::qWaitFor([&] { return app()->params()->getU32(546) != 0; }, 5000));
    const QDateTime built = QDateTime::fromSecsSinceEpoch(app()->params()->getU32(546));
    QVERIFY(built.date() <= QDate::currentDate());
    QVERIFY(built.date().year() >= 2024);

    // The first value of the SCADA profile (0, no profile) made the register map thread and no map.
    QVERIFY(app()->scadaThread());
    QVERIFY(!app()->scada());
    QVERIFY(scadaCreated_.isEmpty());

    const MainApplication::StartupTimes times = app()->startupTimes();
    QVERIFY(times.database >= 0);
    QVERIFY(times.synchronisation >= 0);
    QVERIFY(times.window >= 0);
}

void TestMenuTree::headerFollowsBlockFlag()
{
    QCOMPARE(currentClass(), QString("MainScreenForm"));
    Parameters* params = app()->params();
    const quint32 saved = params->getU32(633);
    const auto report = [&](float flag) {
        unTypeData v;
        v.f = flag;
        params->slotParamUpdated(633, v.u, 0);
        QCoreApplication::processEvents();
    };
    report(3.0f);
    QCOMPARE(window()->header()->state(), int(HeaderWidget::Block));
    report(2.0f);
    QCOMPARE(window()->header()->state(), int(HeaderWidget::WaitRestart));
    report(1.0f);
    QCOMPARE(window()->header()->state(), int(HeaderWidget::Normal));
    params->slotParamUpdated(633, saved, 0);
}

void TestMenuTree::walk(const QString& menu, QStringList* visited)
{
    QCOMPARE(currentClass(), menu);
    const QStringList children = menuTree().value(menu);
    BaseForm* form = current();
    QCOMPARE(form->childButtonCount(), children.size());
    for (int i = 0; i < children.size(); ++i) {
        const int row = rowOfButton(current(), i);
        openChild(i);
        if (QTest::currentTestFailed())
            return;
        // The button opens the screen of its position among its siblings.
        QCOMPARE(currentClass(), children.at(i));
        QCOMPARE(shownClasses(), children);
        QCOMPARE(window()->currentIndex(), i);
        QVERIFY2(!current()->title().isEmpty(), qPrintable(children.at(i)));
        *visited << children.at(i);
        if (children.size() > 1) {
            key(Qt::Key_Right);
            QCOMPARE(currentClass(), children.at((i + 1) % children.size()));
            key(Qt::Key_Left);
            QCOMPARE(currentClass(), children.at(i));
            key(Qt::Key_Left);
            QCOMPARE(currentClass(), children.at((i + children.size() - 1) % children.size()));
            key(Qt::Key_Right);
            QCOMPARE(currentClass(), children.at(i));
        }
        if (menuTree().contains(children.at(i))) {
            walk(children.at(i), visited);
            if (QTest::currentTestFailed())
                return;
        }
        // Back lands on the menu with the cursor on the button left.
        key(Qt::Key_Escape);
        QCOMPARE(currentClass(), menu);
        QCOMPARE(current()->currentRow(), row);
    }
}

void TestMenuTree::wholeTreeWalksWithKeys()
{
    QCOMPARE(currentClass(), QString("MainScreenForm"));
    key(Qt::Key_Return);
    QCOMPARE(currentClass(), QString("MainMenu"));
    QCOMPARE(shownClasses(), QStringList{"MainMenu"});
    QCOMPARE(current()->currentRow(), 0);

    QStringList visited;
    walk("MainMenu", &visited);
    if (QTest::currentTestFailed())
        return;
    int screens = 0;
    for (const QStringList& children : menuTree())
        screens += children.size();
    QCOMPARE(visited.size(), screens);

    key(Qt::Key_Escape);
    QCOMPARE(currentClass(), QString("MainScreenForm"));
}

void TestMenuTree::openOptionsPage(int position)
{
    window()->addForm(new MainScreenForm(nullptr), 0);
    key(Qt::Key_Return);
    openChild(6);
    QCOMPARE(currentClass(), QString("OptionsMenu"));
    openChild(position);
}

void TestMenuTree::scadaProfileRecreatesRegisterMap()
{
    openOptionsPage(2);
    QCOMPARE(currentClass(), QString("OptionsScadaForm"));
    auto* profile = qobject_cast<BaseComboBox*>(current()->rowAt(0));
    QVERIFY(profile);
    QCOMPARE(profile->id(), quint16(578));

    const auto choose = [&](int code) {
        moveToRow(0);
        // A level 1 setting with passwords on: the password dialog asks until level 1 is granted.
        DialogGate::clearRecords();
        const bool granted = app()->params()->get(572) >= 1.0f;
        if (!granted)
            DialogGate::setNextAnswer(QString::number(Common::toCode(app()->params()->get(573))));
        key(Qt::Key_Return);
        QCOMPARE(DialogGate::records().size(), granted ? 0 : 1);
        if (!granted)
            QCOMPARE(DialogGate::records().first().kind, DialogGate::Password);
        QVERIFY(profile->comboBox()->view()->isVisible());
        const int index = profile->valuesList().indexOfKey(code);
        QVERIFY(index >= 0);
        QAbstractItemView* list = profile->comboBox()->view();
        for (int i = 0; i < profile->comboBox()->count() && list->currentIndex().row() != index; ++i)
            key(list->currentIndex().row() < index ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(list->currentIndex().row(), index);
        key(Qt::Key_Return);
    };

    QCOMPARE(app()->params()->get(572), 0.0f);
    choose(3);
    QVERIFY(waitValue(578, 3.0f));
    QVERIFY(waitValue(572, 1.0f));
    QVERIFY(QTest::qWaitFor([&] { return scadaCreated_.value(3) == 1; }, 2000));
    auto* map = dynamic_cast<CountingScada*>(app()->scada());
    QVERIFY(map);
    QCOMPARE(map->code, 3);
    QCOMPARE(map->thread(), app()->scadaThread());

    choose(5);
    QVERIFY(waitValue(578, 5.0f));
    QVERIFY(QTest::qWaitFor([&] { return scadaCreated_.value(5) == 1; }, 2000));
    map = dynamic_cast<CountingScada*>(app()->scada());
    QVERIFY(map);
    QCOMPARE(map->code, 5);

    // Unrelated updates and the same value again recreate nothing.
    unTypeData same;
    same.f = 5.0f;
    app()->params()->slotParamUpdated(578, same.u, 0);
    app()->params()->slotParamUpdated(578, same.u, 8);
    UiFixture::settle(200);
    QCOMPARE(scadaCreated_.value(3), 1);
    QCOMPARE(scadaCreated_.value(5), 1);
    QCOMPARE(app()->scada(), map);

    // Back to no profile: the map goes and none replaces it.
    choose(0);
    QVERIFY(waitValue(578, 0.0f));
    QVERIFY(QTest::qWaitFor([&] { return !app()->scada(); }, 2000));
    QCOMPARE(scadaCreated_.size(), 2);

    app()->params()->set(572, 0, 1);
    QVERIFY(waitValue(572, 0.0f));
}

void TestMenuTree::loginGrantsLevel()
{
    Parameters* params = app()->params();
    QCOMPARE(params->get(572), 0.0f);
    QVERIFY(params->get(571) != 0.0f);

    // A writable setting of access level 3.
    quint16 id = 0;
    for (quint16 candidate : params->ids()) {
        const ParameterDef* def = params->getParameter(candidate);
        if (def->access == 3 && def->operation == 2 && def->physic == 0) {
            id = candidate;
            break;
        }
    }
    QVERIFY(id != 0);

    // Not granted yet: the row asks for the password, and a refused dialog leaves it closed.
    window()->addForm(new OneEditForm(id), 0);
    auto* edit = qobject_cast<BaseEditWidget*>(current()->rowAt(0));
    QVERIFY(edit);
    DialogGate::clearRecords();
    key(Qt::Key_Return);
    QCOMPARE(DialogGate::records().size(), 1);
    QCOMPARE(DialogGate::records().first().kind, DialogGate::Password);
    QCOMPARE(DialogGate::records().first().type, 3);
    QVERIFY(!edit->isEditing());

    // Log in at level 3 on the access page.
    openOptionsPage(3);
    QCOMPARE(currentClass(), QString("OptionsAccessForm"));
    BaseComboBox2* level = nullptr;
    int loginRow = -1;
    for (int row = 0; row < current()->rowCount(); ++row) {
        if (auto* combo = qobject_cast<BaseComboBox2*>(current()->rowAt(row)))
            level = combo;
        else if (qobject_cast<PushButton*>(current()->rowAt(row)))
            loginRow = row;
    }
    QVERIFY(level);
    QVERIFY(loginRow >= 0);
    moveToRow(current()->rowOf(level));
    key(Qt::Key_Return);
    QVERIFY(level->comboBox()->view()->isVisible());
    for (int i = 0; i < level->comboBox()->count() && level->comboBox()->view()->currentIndex().row() != 2; ++i)
        key(Qt::Key_Down);
    key(Qt::Key_Return);
    QCOMPARE(level->key(), 3);

    // A wrong password grants nothing: no level goes to the controller.
    moveToRow(loginRow);
    DialogGate::clearRecords();
    DialogGate::setNextAnswer(QStringLiteral("0"));
    QSignalSpy writes(params, &Parameters::signalParamWrite);
    key(Qt::Key_Return);
    QCOMPARE(DialogGate::records().size(), 1);
    QCOMPARE(DialogGate::records().first().type, 3);
    for (const QList<QVariant>& write : writes)
        QVERIFY(write.at(0).value<quint16>() != 572);
    QCOMPARE(params->get(572), 0.0f);

    DialogGate::clearRecords();
    DialogGate::setNextAnswer(QString::number(Common::toCode(params->get(575))));
    key(Qt::Key_Return);
    QCOMPARE(DialogGate::records().size(), 1);
    QVERIFY(waitValue(572, 3.0f));

    // Granted: the same row now opens without a password.
    window()->addForm(new OneEditForm(id), 0);
    edit = qobject_cast<BaseEditWidget*>(current()->rowAt(0));
    QVERIFY(edit);
    DialogGate::clearRecords();
    key(Qt::Key_Return);
    QVERIFY(DialogGate::records().isEmpty());
    QVERIFY(edit->isEditing());
    key(Qt::Key_Escape);

    params->set(572, 0, 1);
    QVERIFY(waitValue(572, 0.0f));
}

void TestMenuTree::cleanupTestCase()
{
    DialogGate::setRejectUnanswered(false);
}

RVK_TEST_MAIN(TestMenuTree)
#include "tst_menutree.moc"
