// The maker's register map (profile 1) on the simulated controller: the answer times of a master reading
// the whole map in 125-register requests, and the throughput of the compressed-log transfer over 0x41/0x42.
// (The CPU of one refresh of its table is bench_scada's.)
//
//   bench_scada_valdrin [--rounds N]     (N whole-map reads, 20 by default)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>


#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include "app/mainapplication.h"
#include "bench/modbusmaster.h"
#include "scada/scada.h"
#include "support/simstation.h"

namespace {

std::vector<unsigned char> readRequest(int address, int count)
{
    return {3, static_cast<unsigned char>(address >> 8), static_cast<unsigned char>(address), 0,
            static_cast<unsigned char>(count)};
}

// Every answer time (ms) of `rounds` reads of addresses 0-999 and 4096-4099 in requests of at most 125
// registers (one fewer where a request would end inside a two-register row); false on a failed request.
bool readWholeMap(Master& m, int rounds, std::vector<double>* times, int* requests)
{
    QElapsedTimer clock;
    for (int round = 0; round < rounds; ++round) {
        for (const auto& range : {std::pair<int, int>{0, 1000}, std::pair<int, int>{4096, 4100}}) {
            for (int a = range.first; a < range.second;) {
                int n = std::min(125, range.second - a);
                clock.start();
                std::vector<unsigned char> r = m.ask(readRequest(a, n));
                times->push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
                if (r.size() == 2 && r[0] == 0x83 && r[1] == 2) {
                    --n;
                    clock.start();
                    r = m.ask(readRequest(a, n));
                    times->push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
                }
                if (r.size() != static_cast<size_t>(2 + 2 * n) || r[0] != 3)
                    return false;
                a += n;
            }
        }
        *requests = static_cast<int>(times->size());
    }
    return true;
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

// The main thread serves the link while `work` runs on a thread of its own.
template <typename Work>
void runBeside(Work work)
{
    std::atomic<bool> done{false};
    std::thread t([&] {
        work();
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    t.join();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    const quint16 port = useFreeScadaPort();

    MainApplication app(argc, argv);
    QTemporaryDir appDir;
    app.setAppDir(appDir.path());
    int rounds = 20;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--rounds")
            rounds = std::max(1, args[i + 1].toInt());
    }

    SimStation station("578=1");
    if (!station.start()) {
        std::printf("the simulated station did not start\n");
        return 1;
    }
    if (!SimStation::waitFor([&app] { return app.scada() != nullptr; }, 5000)) {
        std::printf("no register map started\n");
        return 1;
    }

    bool ok = true;
    runBeside([&] {
        Master m(port);
        QElapsedTimer wait;
        wait.start();
        while (m.reg(1) < 0 && wait.elapsed() < 5000)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));

        std::vector<double> times;
        int requests = 0;
        ok = readWholeMap(m, rounds, &times, &requests);
        const auto late = std::count_if(times.begin(), times.end(), [](double ms) { return ms > 21.0; });
        std::printf("whole map, %d rounds, %d requests: answer median %.2f ms, 99th %.2f ms, max %.2f ms, "
                    "%d over 21 ms (poll period 20 ms)%s\n",
                    rounds, requests, percentile(times, 0.5), percentile(times, 0.99), percentile(times, 1.0),
                    static_cast<int>(late), ok ? "" : " [failed request]");

        // The log: compressed on command, then read in slices of 200 bytes.
        const auto started = m.ask({0x41, 0, 1});
        wait.start();
        while (m.reg(4096) != 2 && wait.elapsed() < 10000)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const auto sizeWords = m.ask(readRequest(4098, 2));
        const int size = sizeWords.size() == 6 ? (sizeWords[2] << 24) | (sizeWords[3] << 16) | (sizeWords[4] << 8) | sizeWords[5] : 0;
        std::vector<double> slices;
        int bytes = 0;
        QElapsedTimer total;
        total.start();
        for (int offset = 0; ok && offset < size; offset += 200) {
            const int n = std::min(200, size - offset);
            QElapsedTimer one;
            one.start();
            const auto r = m.ask({0x42, static_cast<unsigned char>(offset >> 24), static_cast<unsigned char>(offset >> 16),
                                  static_cast<unsigned char>(offset >> 8), static_cast<unsigned char>(offset), 0,
                                  static_cast<unsigned char>(n)});
            slices.push_back(static_cast<double>(one.nsecsElapsed()) / 1e6);
            ok = started.size() == 3 && r.size() == static_cast<size_t>(2 + n) && r[0] == 0x42;
            bytes += n;
        }
        const double seconds = static_cast<double>(total.nsecsElapsed()) / 1e9;
        std::printf("compressed log: %d of %d bytes in %.2f s, %.0f bytes/s; a 200-byte slice median %.1f ms, "
                    "max %.1f ms%s\n",
                    bytes, size, seconds, bytes / seconds, percentile(slices, 0.5), percentile(slices, 1.0),
                    ok ? "" : " [failed request]");
    });
    app.quitScada();
    station.stop();
    return ok ? 0 : 1;
}
