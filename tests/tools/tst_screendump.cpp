// rvk_screendump run as a developer runs it: one JSON object a line for every screen of the tree, each once,
// with the granted access level and the chosen values in its rows.
#include <QtTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

const QStringList kTree{
    "MainMenu",
    "CurrentParamsMenu", "LogMenu", "EquipmentMenu", "ProtectionsMenu", "TechnologParamsMenu", "NotebookMenu",
    "OptionsMenu",
    "CurrentParamsSupplyForm", "CurrentParamsMotorForm", "CurrentParamsDhsForm",
    "LogEventForm",
    "MotorForm", "TransForm", "VsdMenu", "DhsMenu", "EmForm", "FiltersForm", "PumpForm", "RelayOutputsOptionsMenu",
    "AnalogOutputsMenu",
    "RunningModeMenu", "VsdOptionsForm", "VsdUfSettingForm", "VsdResonanceForm", "VsdVectorForm", "VsdServiceMenu",
    "VsdConnectForm",
    "VsdServiceIndicationParamForm", "VsdServiceAdditionalForm", "VsdServicePswForm", "VsdTemperatureForm",
    "VsdServiceIndicationTemperatureForm", "VsdServiceHardwareForm",
    "DhsSettingForm", "DhsConnectForm", "DhsConfigurationForm",
    "EmConnectForm",
    "ProtectionsSupplyMenu", "ProtectionsMotorMenu", "ProtectionsDhsMenu", "ProtectionAnalogInputsMenu",
    "ProtectionDigitalInputsMenu", "ProtectionsOtherMenu",
    "ProtectionOvervoltageInputForm", "ProtectionUndervoltageInputForm", "ProtectionImbalanceVoltageInputForm",
    "ProtectionImbalanceCurrentInputForm", "ProtectionPhaseRotationForm",
    "ProtectionOverloadMotorForm", "ProtectionUnderloadMotorForm", "ProtectionImbalanceCurrentMotorForm",
    "ProtectionTurbineRotationForm", "ProtectionCurrentMotorForm", "ProtectionOutOfSyncMotorForm",
    "ProtectionPressureIntakeForm", "ProtectionPressureDischargeForm", "ProtectionTemperatureMotorForm",
    "ProtectionVibrationMotorForm", "ProtectionFlowDischargeForm", "ProtectionTemperatureIntakeForm",
    "ProtectionConnectDhsForm",
    "ProtectionResistanceIsolationForm", "ProtectionOvernumberOfStartForm", "ProtectionLockDoorForm",
    "HardwareVsdForm", "VsdNoConnectForm", "ProtectionOverheatInputFilterForm", "ProtectionOverheatIgbtForm",
    "ProtectionAnalogInput1Form", "ProtectionAnalogInput2Form", "ProtectionAnalogInput3Form",
    "ProtectionAnalogInput4Form",
    "ProtectionDigitalInput1Form", "ProtectionDigitalInput2Form", "ProtectionDigitalInput3Form",
    "ProtectionDigitalInput4Form", "ProtectionDigitalInput7Form", "ProtectionDigitalInput8Form",
    "ProtectionDigitalInput9Form", "ProtectionDigitalInput10Form", "ProtectionDigitalInput13Form",
    "ProtectionDigitalInput14Form", "ProtectionDigitalInput15Form", "ProtectionDigitalInput16Form",
    "ProtectionDigitalInput17Form", "ProtectionDigitalInput18Form", "ProtectionDigitalInput19Form",
    "ProtectionDigitalInput20Form", "ProtectionDigitalInput21Form", "ProtectionDigitalInput22Form",
    "ProtectionDigitalInput23Form", "ProtectionDigitalInput24Form",
    "ModesMenu", "CorrectionsForm", "MenuTechnologForm",
    "HoleForm", "CountersForm", "StatisticsForm", "StationForm", "EnergyConsumptionForm",
    "OptionsLanguageForm", "OptionsUnitsForm", "OptionsScadaForm", "OptionsAccessForm", "OptionsDateTimeForm",
    "OptionsNetworkForm", "UpsForm",
    "CorrectionsCurrentIn", "CorrectionsVoltageIn", "CorrectionsCurrentOut", "CorrectionsVoltageOut",
    "CorrectionsCurrentTrans", "CorrectionsVoltageTrans", "CorrectionsCurrentMotor", "CorrectionsVoltageMotor",
    "CorrectionAI",
    "RelayOutputsOptions1Form", "RelayOutputsOptions2Form", "RelayOutputsOptions3Form", "RelayOutputsOptions4Form",
    "RelayOutputsOptions5Form", "RelayOutputsOptions6Form", "RelayOutputsOptions7Form", "RelayOutputsOptions8Form",
    "RelayOutputsOptions9Form", "RelayOutputsOptions10Form", "RelayOutputsOptions11Form", "RelayOutputsOptions12Form",
    "AnalogOutput1Form", "AnalogOutput2Form", "AnalogOutput3Form", "AnalogOutput4Form",
    "RunPickupModeForm", "RunPushModeForm", "RunSwingModeForm", "RunSynchronFreqForm", "RunAutoSettingMotorForm",
    "RunHighMomentForm",
    "PeriodicModeForm", "AlternationFreqModeForm", "SoftChangeFreqModeForm", "MaintenanceModeForm",
    "OptimizationVoltageModeForm", "CurrentLimitModeForm", "JarringModeForm", "PumpingGasModeForm",
    "DelayedStartForm",
};

QJsonObject rowOf(const QJsonObject& screen, int id)
{
    for (const QJsonValue& row : screen.value("rows").toArray()) {
        if (row.toObject().value("id").toInt() == id)
            return row.toObject();
    }
    return {};
}

} // namespace

class TestScreenDump : public QObject
{
    Q_OBJECT

private slots:
    void everyScreenOnce_data();
    void everyScreenOnce();
    void badAccessLevelIsRefused();
};

void TestScreenDump::everyScreenOnce_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("access");
    QTest::addColumn<QStringList>("screens");
    QTest::addColumn<QString>("accessShown");

    // Level 3 adds the supply outage screen; an induction motor has no synchronism protection and no high-torque
    // start.
    QStringList levelThree = kTree;
    levelThree.removeOne("DhsConfigurationForm");
    levelThree.removeOne("EmConnectForm");
    levelThree.removeOne("ProtectionOutOfSyncMotorForm");
    levelThree.removeOne("RunHighMomentForm");
    levelThree << "ProtectionPowerOffForm";
    // A permanent-magnet motor adds its choice wizard too.
    QTest::newRow("whole tree") << "685=1;1644=1;39=17;705=1;782=1" << QString()
                                << kTree + QStringList{"MasterMotorForm"} << "0";
    QTest::newRow("profile 3, level 3") << "578=3;782=0" << "3" << levelThree << "3";
}

void TestScreenDump::everyScreenOnce()
{
    QFETCH(QString, values);
    QFETCH(QString, access);
    QFETCH(QStringList, screens);
    QFETCH(QString, accessShown);

    QProcess dump;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("RVK_SIM_VALUES", values);
    dump.setProcessEnvironment(env);
    dump.setProcessChannelMode(QProcess::SeparateChannels);
    const QStringList args = access.isEmpty() ? QStringList{} : QStringList{"--access", access};
    dump.start(QStringLiteral(RVK_SCREENDUMP), args);
    // Past the dump's own deadline, so that its message comes through.
    QVERIFY(dump.waitForFinished(150000));
    QCOMPARE(dump.exitStatus(), QProcess::NormalExit);
    QVERIFY2(dump.exitCode() == 0, dump.readAllStandardError().right(2000).constData());

    QStringList classes;
    QMap<QString, QJsonObject> byClass;
    const QList<QByteArray> lines = dump.readAllStandardOutput().split('\n');
    for (const QByteArray& line : lines) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
        QVERIFY2(error.error == QJsonParseError::NoError && doc.isObject(), line.left(200).constData());
        const QJsonObject screen = doc.object();
        for (const char* key : {"path", "title", "class", "rows", "messages"})
            QVERIFY2(screen.contains(key), key);
        const QJsonArray path = screen.value("path").toArray();
        QCOMPARE(path.first().toString(), QStringLiteral("ГЛАВНОЕ МЕНЮ"));
        QCOMPARE(path.last().toString(), screen.value("title").toString());
        for (const QJsonValue& row : screen.value("rows").toArray()) {
            for (const char* key : {"kind", "label", "id", "value", "editable"})
                QVERIFY2(row.toObject().contains(key), key);
        }
        classes << screen.value("class").toString();
        byClass.insert(classes.last(), screen);
    }
    QCOMPARE(classes.first(), QStringLiteral("MainMenu"));
    QCOMPARE(classes.size(), byClass.size());
    QStringList sorted = classes;
    sorted.sort();
    screens.sort();
    QCOMPARE(sorted, screens);

    // The granted level and the drive type as the rows show them.
    QCOMPARE(rowOf(byClass.value("OptionsAccessForm"), 572).value("value").toString(), accessShown);
    const QJsonObject driveType = rowOf(byClass.value("VsdMenu"), 685);
    QCOMPARE(driveType.value("kind").toString(), QStringLiteral("combo"));
    QVERIFY(driveType.value("editable").toBool());
    QCOMPARE(byClass.value("VsdMenu").value("path").toArray().size(), 3);
}

void TestScreenDump::badAccessLevelIsRefused()
{
    QProcess dump;
    dump.start(QStringLiteral(RVK_SCREENDUMP), {"--access", "5"});
    QVERIFY(dump.waitForFinished(30000));
    QVERIFY(dump.exitCode() != 0);
    QVERIFY(dump.readAllStandardOutput().isEmpty());
}

QTEST_GUILESS_MAIN(TestScreenDump)
#include "tst_screendump.moc"
