// The Zizedu map (profile 5): CPU of one 100 ms refresh of its table, and the answer times that a master
// sees while it reads the whole map in requests of at most 125 registers, one after the other.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <thread>
#include <vector>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "scada/scada_zizedu.h"
#include "texts/common.h"

namespace {

constexpr int kProfile = 5;
constexpr int kMaxRegisters = 125;
constexpr double kRefreshLimitUs = 20.0;
constexpr double kAnswerLimitMs = 21.0;  // one poll period plus 1 ms

class RefreshMap : public ScadaZizedu
{
public:
    explicit RefreshMap(Parameters* params)
    {
        attach(params);
        buildTable();
    }
};

double threadCpuSeconds()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

// The map's registers as requests of at most 125 registers, each inside one run of the table.
std::vector<std::pair<int, int>> wholeMapRequests(const Scada& map)
{
    std::vector<std::pair<int, int>> out;
    int first = -1;
    int count = 0;
    for (int i = map.startIndex(); i < map.rowCount(); ++i) {
        const int address = map.rows()[i].address;
        if (first >= 0 && address == first + count && count < kMaxRegisters) {
            ++count;
            continue;
        }
        if (first >= 0)
            out.emplace_back(first, count);
        first = address;
        count = 1;
    }
    if (first >= 0)
        out.emplace_back(first, count);
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

// One read of holding registers; its answer time in ms, or -1 on a failed or wrong answer.
double readOnce(int fd, quint16 tid, int first, int count)
{
    const unsigned char req[12] = {static_cast<unsigned char>(tid >> 8), static_cast<unsigned char>(tid), 0, 0, 0, 6, 1,
                                   3, static_cast<unsigned char>(first >> 8), static_cast<unsigned char>(first), 0,
                                   static_cast<unsigned char>(count)};
    unsigned char resp[9 + 2 * kMaxRegisters];
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

} // namespace

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
    // Every parameter of the catalogue a value of its own; the date-times a date.
    int k = 0;
    for (quint16 id : params->ids())
        params->slotParamUpdated(id, Common::floatBits(1.25f * static_cast<float>(++k % 977)), 0);
    for (quint16 id : {532, 544, 545, 551, 562})
        params->slotParamUpdated(id, 1709623230u + id, 0);
    params->slotParamUpdated(13, Common::floatBits(2.0f), 0);

    bool ok = true;
    {
        RefreshMap map(params);
        const int rounds = 200000;
        for (int i = 0; i < 1000; ++i)
            map.calcParamsStart();
        const double start = threadCpuSeconds();
        for (int i = 0; i < rounds; ++i)
            map.calcParamsStart();
        const double us = (threadCpuSeconds() - start) / rounds * 1e6;
        ok = ok && us < kRefreshLimitUs;
        std::printf("zizedu refresh: %.2f us CPU per 100 ms refresh (%d rows, %d rounds; limit %.0f us)\n", us,
                    map.rowCount(), rounds, kRefreshLimitUs);
    }

    params->slotParamUpdated(578, Common::floatBits(static_cast<float>(kProfile)), 0);
    QElapsedTimer wait;
    wait.start();
    while (!app.scada() && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    Scada* map = app.scada();
    if (!map) {
        std::printf("no register map started\n");
        return 1;
    }
    QThread::msleep(300);

    RefreshMap layout(params);
    const std::vector<std::pair<int, int>> requests = wholeMapRequests(layout);
    const int seconds = 10;
    std::atomic<bool> masterOk{true};
    std::vector<double> answers;
    int scans = 0;
    std::thread master([&] {
        const int fd = connectTo(port);
        if (fd < 0) {
            masterOk = false;
            return;
        }
        QElapsedTimer clock;
        clock.start();
        quint16 tid = 0;
        while (clock.elapsed() < seconds * 1000 && masterOk) {
            for (const auto& r : requests) {
                const double ms = readOnce(fd, ++tid, r.first, r.second);
                if (ms < 0) {
                    masterOk = false;
                    break;
                }
                answers.push_back(ms);
            }
            ++scans;
        }
        ::close(fd);
    });
    QElapsedTimer wall;
    wall.start();
    while (wall.elapsed() < seconds * 1000 + 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    master.join();
    app.quitScada();

    std::sort(answers.begin(), answers.end());
    const double worst = answers.empty() ? 0.0 : answers.back();
    const double median = answers.empty() ? 0.0 : answers[answers.size() / 2];
    const double p99 = answers.empty() ? 0.0 : answers[answers.size() * 99 / 100];
    const long over = std::count_if(answers.begin(), answers.end(), [](double ms) { return ms > kAnswerLimitMs; });
    ok = ok && masterOk && !answers.empty() && worst <= kAnswerLimitMs;
    std::printf("zizedu whole-map reads: %zu requests per scan, %d scans, %zu answers; median %.2f ms, 99th %.2f ms, "
                "worst %.2f ms, %ld over %.0f ms%s\n",
                requests.size(), scans, answers.size(), median, p99, worst, over, kAnswerLimitMs,
                masterOk ? "" : " [client error]");
    std::printf("%s\n", ok ? "within limits" : "OVER LIMITS");
    return ok ? 0 : 1;
}
