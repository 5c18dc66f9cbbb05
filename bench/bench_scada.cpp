// CPU cost of the register maps: one 100 ms refresh of the Vuduzu2000 and Zizedu tables, the SCADA thread
// while one master polls 125 registers as fast as it can, and the answer times that a master sees while it
// reads the whole Zizedu map in requests of at most 125 registers, one after the other.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <thread>
#include <vector>

#include "app/mainapplication.h"
#include "app/parameterdef.h"
#include "app/parameters.h"
#include "scada/scada_vuduzu2000.h"
#include "scada/scada_zizedu.h"
#include "scada/scadafactory.h"

namespace {

constexpr int kBenchProfile = 251;
constexpr int kZizeduProfile = 5;
constexpr int kPolledRegisters = 125;
constexpr double kRefreshLimitUs = 20.0;
constexpr double kAnswerLimitMs = 21.0;  // one poll period plus 1 ms

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

template <typename Map>
class RefreshMap : public Map
{
public:
    explicit RefreshMap(Parameters* params)
    {
        this->attach(params);
        this->buildTable();
    }
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

// CPU of one refresh of a map's table, in microseconds.
template <typename Map>
double refreshCost(Parameters* params, const char* name)
{
    RefreshMap<Map> map(params);
    const int rounds = 200000;
    for (int i = 0; i < 1000; ++i)
        map.calcParamsStart();
    const double start = threadCpuSeconds();
    for (int i = 0; i < rounds; ++i)
        map.calcParamsStart();
    const double us = (threadCpuSeconds() - start) / rounds * 1e6;
    std::printf("%s refresh: %.2f us CPU per 100 ms refresh (%d rows, %d rounds; limit %.0f us)\n", name, us,
                map.rowCount(), rounds, kRefreshLimitUs);
    return us;
}

// A map's registers as requests of at most 125 registers, each inside one run of the table.
std::vector<std::pair<int, int>> wholeMapRequests(const Scada& map)
{
    std::vector<std::pair<int, int>> out;
    for (int i = map.startIndex(); i < map.rowCount(); ++i) {
        const int address = map.rows()[i].address;
        if (!out.empty() && address == out.back().first + out.back().second && out.back().second < kPolledRegisters)
            ++out.back().second;
        else
            out.emplace_back(address, 1);
    }
    return out;
}

int connectTo(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = {};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// One read of `count` holding registers from `first`; its answer time in ms, or -1 on a failed or wrong answer.
double readOnce(int fd, quint16 tid, int first, int count)
{
    const unsigned char req[12] = {static_cast<unsigned char>(tid >> 8), static_cast<unsigned char>(tid), 0, 0, 0, 6, 1,
                                   3, static_cast<unsigned char>(first >> 8), static_cast<unsigned char>(first), 0,
                                   static_cast<unsigned char>(count)};
    unsigned char resp[9 + 2 * kPolledRegisters];
    const size_t expected = 9 + 2 * static_cast<size_t>(count);
    QElapsedTimer clock;
    clock.start();
    if (::send(fd, req, sizeof req, 0) != static_cast<ssize_t>(sizeof req))
        return -1;
    size_t got = 0;
    while (got < expected) {
        const ssize_t n = ::recv(fd, resp + got, expected - got, 0);
        if (n <= 0)
            return -1;
        got += static_cast<size_t>(n);
    }
    const double ms = clock.nsecsElapsed() / 1e6;
    return resp[7] == 3 && resp[8] == 2 * count ? ms : -1;
}

// One master polling 125 registers back to back; the number of answers.
int pollAsFastAsPossible(quint16 port, int seconds, std::atomic<bool>& ok)
{
    const int fd = connectTo(port);
    if (fd < 0) {
        ok = false;
        return 0;
    }
    int done = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000) {
        if (readOnce(fd, 1, 0, kPolledRegisters) < 0) {
            ok = false;
            break;
        }
        ++done;
    }
    ::close(fd);
    return done;
}

// Answer times of a master that reads the map's requests over and over for `seconds`; empty on an error.
std::vector<double> readWholeMap(quint16 port, const std::vector<std::pair<int, int>>& requests, int seconds)
{
    std::vector<double> answers;
    const int fd = connectTo(port);
    if (fd < 0)
        return answers;
    QElapsedTimer clock;
    clock.start();
    quint16 tid = 0;
    while (clock.elapsed() < seconds * 1000) {
        for (const auto& r : requests) {
            const double ms = readOnce(fd, ++tid, r.first, r.second);
            if (ms < 0) {
                ::close(fd);
                return {};
            }
            answers.push_back(ms);
        }
    }
    ::close(fd);
    return answers;
}

// Waits, serving the main thread's events, until the application runs a map other than `old`.
Scada* waitForMap(MainApplication& app, Scada* old)
{
    QElapsedTimer wait;
    wait.start();
    while ((!app.scada() || app.scada() == old) && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return app.scada() != old ? app.scada() : nullptr;
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
    // Every parameter of the catalogue a value of its own, the date-times a date, the station running.
    int k = 0;
    for (quint16 id : params->ids()) {
        if (id != 578)
            params->slotParamUpdated(id, Common::floatBits(1.25f * static_cast<float>(++k % 977)), 0);
    }
    for (quint16 id = 1; id <= 200; ++id) {
        if (!params->contains(id)) {
            ParameterDef def;
            def.id = id;
            params->addParameter(def);
        }
        params->slotParamUpdated(id, Common::floatBits(12.5f * id), 0);
    }
    for (quint16 id : {532, 544, 545, 551, 562})
        params->slotParamUpdated(id, 1709623230u + id, 0);
    params->slotParamUpdated(13, Common::floatBits(2.0f), 0);

    // One refresh: copy of the mirrored rows and the computed registers.
    bool ok = refreshCost<ScadaVuduzu2000>(params, "vuduzu2000") < kRefreshLimitUs;
    ok = refreshCost<ScadaZizedu>(params, "zizedu") < kRefreshLimitUs && ok;

    // The SCADA thread serving one master that polls 125 registers back to back.
    params->slotParamUpdated(578, Common::floatBits(static_cast<float>(kBenchProfile)), 0);
    Scada* map = waitForMap(app, nullptr);
    if (!map) {
        std::printf("no register map started\n");
        return 1;
    }
    std::atomic<long> tid{0};
    QMetaObject::invokeMethod(map, [&tid] { tid = syscall(SYS_gettid); }, Qt::BlockingQueuedConnection);
    QThread::msleep(300);

    const int seconds = 10;
    std::atomic<bool> pollOk{true};
    std::atomic<int> requests{0};
    const double before = taskCpuSeconds(tid);
    QElapsedTimer wall;
    wall.start();
    std::thread master([&] { requests = pollAsFastAsPossible(port, seconds, pollOk); });
    while (wall.elapsed() < seconds * 1000 + 200)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    master.join();
    const double cpu = taskCpuSeconds(tid) - before;
    const double elapsed = wall.elapsed() / 1000.0;
    std::printf("scada thread: %.2f %% of one core over %.1f s; %d requests of %d registers (%.1f per s)%s\n",
                100.0 * cpu / elapsed, elapsed, requests.load(), kPolledRegisters, requests / elapsed,
                pollOk ? "" : " [client error]");
    ok = ok && pollOk;

    // The Zizedu map read whole, request after request.
    params->slotParamUpdated(578, Common::floatBits(static_cast<float>(kZizeduProfile)), 0);
    if (!waitForMap(app, map)) {
        std::printf("the Zizedu map did not start\n");
        return 1;
    }
    QThread::msleep(300);
    const std::vector<std::pair<int, int>> layout = wholeMapRequests(RefreshMap<ScadaZizedu>(params));
    std::vector<double> answers;
    std::thread reader([&] { answers = readWholeMap(port, layout, seconds); });
    wall.restart();
    while (wall.elapsed() < seconds * 1000 + 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    reader.join();
    app.quitScada();
    std::sort(answers.begin(), answers.end());
    const auto at = [&answers](double share) {
        return answers.empty() ? 0.0 : answers[static_cast<size_t>(share * static_cast<double>(answers.size() - 1))];
    };
    const long over = std::count_if(answers.begin(), answers.end(), [](double ms) { return ms > kAnswerLimitMs; });
    std::printf("zizedu whole-map reads: %zu requests a scan, %zu answers; median %.2f ms, 99th %.2f ms, worst %.2f ms, "
                "%ld over %.0f ms%s\n",
                layout.size(), answers.size(), at(0.5), at(0.99), at(1.0), over, kAnswerLimitMs,
                answers.empty() ? " [client error]" : "");
    ok = ok && !answers.empty() && over == 0;
    std::printf("%s\n", ok ? "within limits" : "OVER LIMITS");
    return ok ? 0 : 1;
}
