// CPU cost of the register maps: one 100 ms refresh of every registered table, the SCADA thread while one
// master polls 125 registers as fast as it can, and the answer times that a master sees while it reads each
// registered map whole in requests of at most 125 registers, one after the other (target 21 ms).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

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
#include "bench/modbusmaster.h"
#include "scada/scadafactory.h"
#include "texts/common.h"

namespace {

constexpr int kBenchProfile = 251;
constexpr int kPolledRegisters = 125;
constexpr double kAnswerTargetMs = 21.0;  // one poll period plus 1 ms
constexpr int kWholeMapSeconds = 4;

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

// One read request of a master: function 3 (holding) or 4 (input), PDU address, register count.
struct Request {
    int function;
    int first;
    int count;
};

// A map's registers as a master reads them whole: requests of at most 125 registers, each inside one run
// of the table, none ending inside a two-register row. Profile 4 serves its holding registers from table
// address 30000 and its input registers from 40000.
std::vector<Request> wholeMapRequests(const Scada& map, int profile)
{
    std::vector<Request> out;
    int next = -1;  // table address right after the last request
    for (int i = map.startIndex(); i < map.rowCount(); ++i) {
        const int address = map.rows()[i].address;
        const int size = Scada::sizeDataFromTypeData(map.rows()[i].dataType) / 2;
        int function = 3;
        int pdu = address;
        if (profile == 4) {
            if (address < 30000)
                continue;
            function = address >= 40000 ? 4 : 3;
            pdu = address - (address >= 40000 ? 40000 : 30000);
        }
        if (size < 1)
            continue;
        if (!out.empty() && address == next && out.back().function == function
            && out.back().count + size <= kPolledRegisters)
            out.back().count += size;
        else
            out.push_back({function, pdu, size});
        next = address + size;
    }
    return out;
}

// One read request; its answer time in ms, or -1 on a failed or wrong answer.
double readOnce(Master& m, const Request& r)
{
    QElapsedTimer clock;
    clock.start();
    const std::vector<unsigned char> answer =
        m.ask({static_cast<unsigned char>(r.function), static_cast<unsigned char>(r.first >> 8),
               static_cast<unsigned char>(r.first), 0, static_cast<unsigned char>(r.count)});
    const double ms = clock.nsecsElapsed() / 1e6;
    const bool whole = answer.size() == 2 + 2 * static_cast<size_t>(r.count) && answer[0] == r.function;
    return whole ? ms : -1;
}

// One master polling 125 registers back to back; the number of answers.
int pollAsFastAsPossible(quint16 port, int seconds, std::atomic<bool>& ok)
{
    Master m(port);
    int done = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000) {
        if (readOnce(m, {3, 0, kPolledRegisters}) < 0) {
            ok = false;
            break;
        }
        ++done;
    }
    return done;
}

// Answer times of a master that reads the map's requests over and over for `seconds`; the first request
// that failed, if one did, in `failed`.
std::vector<double> readWholeMap(quint16 port, const std::vector<Request>& requests, int seconds, Request* failed)
{
    std::vector<double> answers;
    Master m(port);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000) {
        for (const Request& r : requests) {
            const double ms = readOnce(m, r);
            if (ms < 0) {
                *failed = r;
                return answers;
            }
            answers.push_back(ms);
        }
    }
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

// Serves the main thread's events for `ms` while a worker thread runs.
void serveEvents(int ms)
{
    QElapsedTimer wall;
    wall.start();
    while (wall.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

} // namespace

RVK_REGISTER_SCADA(251, BenchMap)

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    const quint16 port = useFreeScadaPort();

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
        params->slotParamUpdated(id, Common::floatBits(12.5f * id), 0);
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
    std::atomic<bool> ok{true};
    std::atomic<int> requests{0};
    const double before = taskCpuSeconds(tid);
    QElapsedTimer wall;
    wall.start();
    std::thread master([&] { requests = pollAsFastAsPossible(port, seconds, ok); });
    serveEvents(seconds * 1000 + 200);
    master.join();
    const double cpu = taskCpuSeconds(tid) - before;
    const double elapsed = wall.elapsed() / 1000.0;
    std::printf("scada thread: %.2f %% of one core over %.1f s; %d requests of %d registers (%.1f per s)%s\n",
                100.0 * cpu / elapsed, elapsed, requests.load(), kPolledRegisters, requests / elapsed,
                ok ? "" : " [client error]");

    // Each registered map read whole, request after request, by one master.
    bool withinTarget = true;
    for (int code : ScadaFactory::codes()) {
        if (code == kBenchProfile)
            continue;
        params->slotParamUpdated(578, Common::floatBits(static_cast<float>(code)), 0);
        Scada* next = waitForMap(app, map);
        if (!next) {
            std::printf("profile %d: the map did not start\n", code);
            ok = false;
            continue;
        }
        map = next;
        QThread::msleep(300);
        QScopedPointer<Scada> table(ScadaFactory::create(code, params));
        table->buildTable();
        const std::vector<Request> layout = wholeMapRequests(*table, code);
        std::vector<double> answers;
        Request failed = {-1, 0, 0};
        std::thread reader([&] { answers = readWholeMap(port, layout, kWholeMapSeconds, &failed); });
        serveEvents(kWholeMapSeconds * 1000 + 500);
        reader.join();
        std::sort(answers.begin(), answers.end());
        const auto at = [&answers](double share) {
            return answers.empty() ? 0.0
                                   : answers[static_cast<size_t>(share * static_cast<double>(answers.size() - 1))];
        };
        const long over = std::count_if(answers.begin(), answers.end(), [](double ms) { return ms > kAnswerTargetMs; });
        std::printf("profile %d whole map: %zu requests a scan, %zu answers; median %.2f ms, p99 %.2f ms, max %.2f ms, "
                    "%ld over %.0f ms",
                    code, layout.size(), answers.size(), at(0.5), at(0.99), at(1.0), over, kAnswerTargetMs);
        if (failed.function >= 0)
            std::printf(" [request %d/%d+%d failed]", failed.function, failed.first, failed.count);
        std::printf("\n");
        ok = ok && failed.function < 0 && !answers.empty();
        withinTarget = withinTarget && over == 0;
    }
    app.quitScada();
    std::printf("%s\n", withinTarget ? "every answer within the target" : "answers OVER THE TARGET");
    return ok ? 0 : 1;
}
