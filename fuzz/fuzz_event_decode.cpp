// Decodes arbitrary journal records: no crash, no hang, and every valid record gets a text.
#include <QByteArray>
#include <QDir>
#include <QString>

#include <cstdint>
#include <cstdlib>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "log/log_event.h"

namespace {

void define(Parameters* params, quint16 id, quint8 physic, quint8 unitOut, const char* mask, bool valid, float value)
{
    ParameterDef def;
    def.id = id;
    def.physic = physic;
    def.unitOut = unitOut;
    def.mask = QString::fromLatin1(mask);
    def.valid = valid;
    def.value.f = value;
    params->addParameter(def);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString cwd = QDir::currentPath();
    auto* app = new MainApplication(*argc, *argv);
    QDir::setCurrent(cwd);  // the corpus paths are relative to where the fuzzer started
    app->initParameters();
    Parameters* params = app->params();
    // A mirror with every kind of metadata the decoder reads: units, display-unit settings, dates, durations.
    define(params, 50, 3, 0, "0", true, 0);
    define(params, 65, 3, 0, "0", false, 0);
    define(params, 215, 18, 0, "0.00", true, 0);
    define(params, 230, 19, 0, "0.0", true, 0);
    define(params, 585, 0, 0, "0", true, 3);
    define(params, 586, 0, 0, "0", true, 1);
    define(params, 562, 1, 0, "0", true, 0);
    define(params, 28, 2, 8, "0", true, 0);
    define(params, 10017, 9, 0, "0.0", true, 0);
    define(params, 1330, 0, 0, "0", true, 1);
    define(params, 43, 0, 0, "0", true, 0);
    define(params, 1105, 0, 0, "0", true, 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Each 21 bytes make one record; a shorter tail is decoded as it is.
    for (size_t at = 0; at < size || at == 0; at += LogEvent::kRecordSize) {
        const size_t n = size - at < size_t(LogEvent::kRecordSize) ? size - at : size_t(LogEvent::kRecordSize);
        QByteArray record(reinterpret_cast<const char*>(data + at), static_cast<int>(n));
        QString text;
        QString dateTime;
        LogEvent::getTextEvent(&record, text, dateTime);
        const quint8 code = LogEvent::codeOf(record);
        if (code >= 1 && code <= 109 && (text.isEmpty() || dateTime.size() != 19))
            std::abort();
        if (size == 0)
            break;
    }
    return 0;
}
