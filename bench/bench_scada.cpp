// CPU cost of the register maps: one 100 ms refresh of every registered table, and the SCADA thread
// while one master polls 125 registers as fast as it can.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <thread>

#include "app/mainapplication.h"
#include "app/parameterdef.h"
#include "app/parameters.h"
#include "scada/scadafactory.h"

namespace {

constexpr int kBenchProfile = 251;
constexpr int kPolledRegisters = 125;

// 200 mirrored registers at 0..199, so that one request can read 125 of them.
class BenchMap : public Scada
{
protected:
    void initParameters() override
    {
        QVector<ScadaRow> rows;
        for (int i = 0; i < 200; ++i)
            rows.append(ScadaRow().at(i).id(i + 1).physic(i % 10).coef((i % 2) ? 0.1 : 1.0).range(0, 65535));
        fillTable(rows);
    }
    void calcParams() override {}
};

double threadCpuSeconds()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

// utime + stime of one thread of this process, in seconds.
double taskCpuSeconds(long tid)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/self/task/%ld/stat", tid);
    FILE* f = std::fopen(path, "r");
    if (!f)
        return -1;
    char buf[1024];
    const size_t n = std::fread(buf, 1, sizeof buf - 1, f);
    std::fclose(f);
    buf[n] = 0;
    const char* p = std::strrchr(buf, ')');
    unsigned long utime = 0, stime = 0;
    // Fields after the command: state is field 3, utime 14, stime 15.
    std::sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime, &stime);
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

int pollAsFastAsPossible(quint16 port, int seconds, std::atomic<bool>& ok)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = {};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        ok = false;
        return 0;
    }
    const unsigned char req[12] = {0, 1, 0, 0, 0, 6, 1, 3, 0, 0, 0, kPolledRegisters};
    unsigned char resp[9 + 2 * kPolledRegisters];
    int done = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000) {
        if (::send(fd, req, sizeof req, 0) != static_cast<ssize_t>(sizeof req))
            break;
        size_t got = 0;
        while (got < sizeof resp) {
            const ssize_t n = ::recv(fd, resp + got, sizeof resp - got, 0);
            if (n <= 0)
                break;
            got += static_cast<size_t>(n);
        }
        if (got != sizeof resp || resp[7] != 3) {
            ok = false;
            break;
        }
        ++done;
    }
    ::close(fd);
    return done;
}

} // namespace

RVK_REGISTER_SCADA(251, BenchMap)

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    qputenv("RVK_SCADA_PORT", QByteArray::number(port));

    MainApplication app(argc, argv);
    app.initDatabase();
    app.initParameters();
    Parameters* params = app.params();
    for (quint16 id = 1; id <= 200; ++id) {
        if (!params->contains(id)) {
            ParameterDef def;
            def.id = id;
            params->addParameter(def);
        }
        float v = 12.5f * id;
        quint32 raw;
        std::memcpy(&raw, &v, sizeof raw);
        params->slotParamUpdated(id, raw, 0);
    }
    // The values stand for a synchronised controller's: the server answers them.
    params->slotSyncFinished();

    // One refresh of each registered table: copy of the mirrored rows and the computed registers.
    for (int code : ScadaFactory::codes()) {
        if (code == kBenchProfile)
            continue;
        QScopedPointer<Scada> map(ScadaFactory::create(code, params));
        map->buildTable();
        const int rounds = 100000;
        for (int i = 0; i < 1000; ++i)
            map->calcParamsStart();
        const double start = threadCpuSeconds();
        for (int i = 0; i < rounds; ++i)
            map->calcParamsStart();
        const double perRefresh = (threadCpuSeconds() - start) / rounds;
        std::printf("profile %d refresh: %.2f us CPU per 100 ms refresh (%d rows, %d rounds)\n", code,
                    perRefresh * 1e6, map->rowCount(), rounds);
    }

    // The SCADA thread serving one master that polls 125 registers back to back.
    float profile = kBenchProfile;
    quint32 raw;
    std::memcpy(&raw, &profile, sizeof raw);
    params->slotParamUpdated(578, raw, 0);
    QElapsedTimer wait;
    wait.start();
    while (!app.scada() && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    Scada* map = app.scada();
    if (!map) {
        std::printf("no register map started\n");
        return 1;
    }
    std::atomic<long> tid{0};
    QMetaObject::invokeMethod(map, [&tid] { tid = syscall(SYS_gettid); }, Qt::BlockingQueuedConnection);
    QThread::msleep(300);

    const int seconds = 10;
    std::atomic<bool> ok{true};
    std::atomic<int> requests{0};
    const double before = taskCpuSeconds(tid);
    QElapsedTimer wall;
    wall.start();
    std::thread master([&] { requests = pollAsFastAsPossible(port, seconds, ok); });
    while (wall.elapsed() < seconds * 1000 + 200)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    master.join();
    const double cpu = taskCpuSeconds(tid) - before;
    const double elapsed = wall.elapsed() / 1000.0;
    std::printf("scada thread: %.2f %% of one core over %.1f s; %d requests of %d registers (%.1f per s)%s\n",
                100.0 * cpu / elapsed, elapsed, requests.load(), kPolledRegisters, requests / elapsed,
                ok ? "" : " [client error]");
    app.quitScada();
    return ok ? 0 : 1;
}
