// Decoding a full store of 512 journal records into their lines, as the journal screen does.
#include <QElapsedTimer>
#include <QMap>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "log/log_event.h"

namespace {

QByteArray record(quint32 serial, quint8 code, quint16 id, float v1, float v2)
{
    QByteArray r(LogEvent::kRecordSize, '\0');
    const quint32 time = 1700000000u + serial * 37u;
    std::memcpy(r.data(), &serial, 4);
    std::memcpy(r.data() + 4, &time, 4);
    r[8] = static_cast<char>(code);
    std::memcpy(r.data() + 10, &id, 2);
    std::memcpy(r.data() + 12, &v1, 4);
    std::memcpy(r.data() + 16, &v2, 4);
    return r;
}

void define(Parameters* params, quint16 id, quint8 physic, const char* mask)
{
    ParameterDef def;
    def.id = id;
    def.physic = physic;
    def.mask = QString::fromLatin1(mask);
    def.valid = true;
    params->addParameter(def);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    MainApplication app(argc, argv);
    app.initParameters();
    Parameters* params = app.params();
    for (quint16 id : {50, 65, 80, 95, 125, 140, 155, 170, 200, 245, 260, 925, 1177, 1567, 10017})
        define(params, id, 3, "0");
    for (quint16 id : {215, 943, 2083})
        define(params, id, 18, "0.00");
    define(params, 230, 19, "0.0");
    define(params, 2063, 19, "0.0");
    define(params, 562, 1, "0");

    // A mix of every kind of event the journal holds.
    struct Kind {
        quint8 code;
        quint16 id;
        float v1;
        float v2;
    };
    const Kind kinds[] = {
        {1, 1, 0, 0},          {2, 4, 0, 0},          {13, 43, 0, 2},        {13, 215, 1.2f, 1.5f},
        {13, 562, 0, 1.7e9f},  {13, 1105, 2001, 3002}, {33, 15, 0, 0},       {37, 15, 0, 1},
        {104, 3, 0, 0},        {105, 2, 0, 0},        {107, 867, 192168, 1001}, {107, 1662, 1.0e-20f, 0},
        {50, 25006, 112, 110}, {50, 25044, 0.5f, 1},  {50, 25007, 0, 0},     {50, 25096, 3.5f, 4},
        {50, 25169, 0, 0},     {50, 25158, 50, 3},    {50, 25002, 0, 0},     {50, 25233, 1, 0},
    };
    QMap<unsigned int, QByteArray> store;
    for (quint32 i = 0; i < LogEvent::kMaxRecords; ++i) {
        const Kind& k = kinds[i % (sizeof kinds / sizeof kinds[0])];
        store.insert(i + 1, record(i + 1, k.code, k.id, k.v1, k.v2));
    }

    std::vector<double> passes;
    int lines = 0;
    for (int pass = 0; pass < 50; ++pass) {
        QElapsedTimer timer;
        timer.start();
        for (auto it = store.begin(); it != store.end(); ++it) {
            QString text;
            QString dateTime;
            if (LogEvent::getTextEvent(&it.value(), text, dateTime) && !text.isEmpty())
                ++lines;
        }
        passes.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(passes.begin(), passes.end());
    std::printf("decode %d records: min %.3f ms, median %.3f ms, max %.3f ms over %zu passes (%d lines)\n",
                LogEvent::kMaxRecords, passes.front(), passes[passes.size() / 2], passes.back(), passes.size(), lines);
    return 0;
}
