// Side-by-side benchmark of the Modbus TCP server against a reference server on libmodbus:
// 0x03 reads of 125 registers by the same libmodbus client, at poll periods of 20 ms and 0 ms.
// Reports requests per second, median and 99th-percentile latency, and CPU instructions per
// request of the server process (valgrind's callgrind, the difference of two run lengths).
//
//   bench_modbus_server [--latency-n N] [--ir-n1 N] [--ir-n2 N] [--no-valgrind]
//   bench_modbus_server --serve PORT     (this server alone; RVK_TEST_POLL_MS, RVK_TEST_POLL_STEPS)

#include "app/mainapplication.h"
#include "support/scadatestmap.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

struct Run {
    bool ok = false;
    double rps = 0, p50 = 0, p99 = 0, max = 0;
    quint64 instructions = 0;
    QString error;
};

struct Server {
    QString name;
    bool ours = false;
    int pollMs = 20;
    int steps = 1;
};

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool waitForLine(QProcess& p, const QByteArray& line, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    QByteArray seen;
    while (t.elapsed() < timeoutMs) {
        if (p.waitForReadyRead(200))
            seen += p.readAllStandardOutput();
        if (seen.contains(line))
            return true;
        if (p.state() == QProcess::NotRunning)
            return false;
    }
    return false;
}

Run runOnce(const Server& s, int requests, const QString& callgrindOut)
{
    Run r;
    const quint16 port = freePort();
    QProcess server;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("RVK_TEST_POLL_MS", QString::number(s.pollMs));
    env.insert("RVK_TEST_POLL_STEPS", QString::number(s.steps));
    server.setProcessEnvironment(env);
    server.setProcessChannelMode(QProcess::SeparateChannels);
    QStringList cmd;
    if (s.ours)
        cmd << QCoreApplication::applicationFilePath() << "--serve" << QString::number(port);
#ifdef RVK_REF_SERVER
    else
        cmd << RVK_REF_SERVER << QString::number(port) << QString::number(s.pollMs);
#endif
    if (!callgrindOut.isEmpty())
        cmd = QStringList{"valgrind", "--tool=callgrind", "--callgrind-out-file=" + callgrindOut} + cmd;
    server.start(cmd.takeFirst(), cmd);
    if (!server.waitForStarted(10000) || !waitForLine(server, "listening", 120000)) {
        r.error = "server did not start";
        server.kill();
        server.waitForFinished(5000);
        return r;
    }
    QProcess client;
#ifdef RVK_LOAD_CLIENT
    client.start(RVK_LOAD_CLIENT, {QString::number(port), QString::number(requests)});
#endif
    const bool done = client.waitForFinished(900000);
    const QString out = QString::fromLatin1(client.readAllStandardOutput() + client.readAllStandardError());
    if (!done)
        client.kill();
    if (s.ours)
        server.terminate();
    if (!server.waitForFinished(60000)) {
        server.kill();
        server.waitForFinished(5000);
    }
    const QRegularExpression re("rps ([0-9.]+) p50_ms ([0-9.]+) p99_ms ([0-9.]+) max_ms ([0-9.]+)");
    const auto m = re.match(out);
    if (!done || client.exitCode() != 0 || !m.hasMatch()) {
        r.error = "client: " + out.trimmed();
        return r;
    }
    r.rps = m.captured(1).toDouble();
    r.p50 = m.captured(2).toDouble();
    r.p99 = m.captured(3).toDouble();
    r.max = m.captured(4).toDouble();
    if (!callgrindOut.isEmpty()) {
        QFile f(callgrindOut);
        if (f.open(QIODevice::ReadOnly)) {
            const QRegularExpression total("^(?:summary|totals):\\s+(\\d+)", QRegularExpression::MultilineOption);
            const auto t = total.match(QString::fromLatin1(f.readAll()));
            if (t.hasMatch())
                r.instructions = t.captured(1).toULongLong();
        }
        if (r.instructions == 0) {
            r.error = "no callgrind totals";
            return r;
        }
    }
    r.ok = true;
    return r;
}

int serve(int argc, char** argv)
{
    MainApplication app(argc, argv);
    const quint16 port = static_cast<quint16>(QString::fromLatin1(argv[2]).toUInt());
    if (startScadaTestServer(port) != port)
        return 2;
    std::printf("listening\n");
    std::fflush(stdout);
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && QByteArray(argv[1]) == "--serve") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return serve(argc, argv);
    }
    QCoreApplication app(argc, argv);
#if !defined(RVK_REF_SERVER) || !defined(RVK_LOAD_CLIENT)
    std::printf("libmodbus-dev was not found at configure time: no reference server, no benchmark\n");
    return 0;
#endif
    int latencyN = 500, irN1 = 100, irN2 = 400;
    bool valgrind = true;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--latency-n" && i + 1 < args.size())
            latencyN = args[++i].toInt();
        else if (args[i] == "--ir-n1" && i + 1 < args.size())
            irN1 = args[++i].toInt();
        else if (args[i] == "--ir-n2" && i + 1 < args.size())
            irN2 = args[++i].toInt();
        else if (args[i] == "--no-valgrind")
            valgrind = false;
    }
    if (valgrind && QProcess::execute("valgrind", {"--version"}) != 0)
        valgrind = false;

    QTemporaryDir tmp;
    QTextStream out(stdout);
    out << "0x03 x 125 registers, one client on 127.0.0.1, " << latencyN << " requests per latency run\n";
    out << "server                          poll  req/s    p50 ms   p99 ms   max ms   instr/request\n";
    for (int poll : {20, 0}) {
        const QList<Server> servers = {
            {"this server, 1 step per poll", true, poll, 1},
            {"this server, 2 steps per poll", true, poll, 2},
            {"libmodbus reference", false, poll, 1},
        };
        for (const Server& s : servers) {
            const Run lat = runOnce(s, latencyN, QString());
            QString instr = "-";
            if (valgrind && lat.ok) {
                const Run a = runOnce(s, irN1, tmp.filePath("a.out"));
                const Run b = runOnce(s, irN2, tmp.filePath("b.out"));
                if (a.ok && b.ok && irN2 > irN1)
                    instr = QString::number((double(b.instructions) - double(a.instructions)) / (irN2 - irN1), 'f', 0);
                else
                    instr = "error: " + (a.ok ? b.error : a.error);
            }
            if (!lat.ok) {
                out << s.name.leftJustified(32) << poll << "  error: " << lat.error << "\n";
                continue;
            }
            out << s.name.leftJustified(32) << QString::number(poll).leftJustified(6)
                << QString::number(lat.rps, 'f', 1).leftJustified(9) << QString::number(lat.p50, 'f', 3).leftJustified(9)
                << QString::number(lat.p99, 'f', 3).leftJustified(9) << QString::number(lat.max, 'f', 3).leftJustified(9)
                << instr << "\n";
            out.flush();
        }
    }
    return 0;
}
