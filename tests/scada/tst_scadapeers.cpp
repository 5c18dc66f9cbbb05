#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include "support/scadatestmap.h"
#include "support/testmain.h"

// Independent Modbus masters against the station's server: Debian's pymodbus and libmodbus.
class TestScadaPeers : public QObject
{
    Q_OBJECT
private:
    quint16 port_ = 0;

    void runPeer(const QString& program, const QStringList& args)
    {
        QProcess peer;
        peer.setProcessChannelMode(QProcess::MergedChannels);
        peer.start(program, args);
        QVERIFY2(peer.waitForStarted(5000), qPrintable(peer.errorString()));
        const bool finished = peer.waitForFinished(60000);
        if (!finished)
            peer.kill();
        const QByteArray output = peer.readAll();
        qInfo().noquote() << output;
        QVERIFY2(finished, "peer did not finish in 60 s");
        QCOMPARE(peer.exitStatus(), QProcess::NormalExit);
        QVERIFY2(peer.exitCode() == 0, output.constData());
    }

private slots:
    void initTestCase()
    {
        port_ = startScadaTestServer();
        QVERIFY(port_ != 0);
    }

    void cleanupTestCase() { MainApplication::getInstance()->quitScada(); }

    void init() { ScadaTestMap::current()->resetRegs(); }

    void pymodbus()
    {
        const QString python = QStringLiteral("/usr/bin/python3");
        const QString script = qEnvironmentVariable("RVK_TEST_SOURCE_DIR") + "/tests/scada/peer_pymodbus.py";
        if (!QFileInfo::exists(python) || QProcess::execute(python, {"-c", "import pymodbus"}) != 0)
            QSKIP("python3-pymodbus is not installed");
        QVERIFY(QFileInfo::exists(script));
        runPeer(python, {script, QString::number(port_)});
    }

    void libmodbus()
    {
#ifdef RVK_LIBMODBUS_PEER
        runPeer(QStringLiteral(RVK_LIBMODBUS_PEER), {QString::number(port_)});
#else
        QSKIP("libmodbus-dev was not found at configure time");
#endif
    }
};

RVK_TEST_MAIN(TestScadaPeers)
#include "tst_scadapeers.moc"
