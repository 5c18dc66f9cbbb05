#include "log/log_event.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstring>

#include "app/parameters.h"
#include "log/log_event_text_id.h"
#include "texts/common.h"
#include "ui/station.h"

namespace {

quint32 readLe(const QByteArray& data, int offset, int size)
{
    quint32 v = 0;
    for (int i = 0; i < size; ++i) {
        const int pos = offset + i;
        const quint32 byte = pos < data.size() ? static_cast<quint8>(data.at(pos)) : 0u;
        v |= byte << (8 * i);
    }
    return v;
}

// Texts kept untranslated in the tables.
QString translated(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

const Parameters* mirror()
{
    const Station* station = Station::instance();
    return station ? station->params() : nullptr;
}

const ParameterDef* metadata(quint16 id)
{
    const Parameters* params = mirror();
    return params ? params->getParameter(id) : nullptr;
}

// The value in the parameter's display unit; unchanged without metadata.
float toDisplay(float value, const ParameterDef* def)
{
    return def ? mirror()->convertFrom(value, def, false, true) : value;
}

QString unitText(const ParameterDef* def)
{
    return def ? mirror()->getTextUnit(def) : QString();
}

QString plainNumber(float value)
{
    return QString::number(static_cast<double>(value), 'g', 6);
}

// Formatted by the parameter's mask and quantity, or a plain number without metadata.
QString valueText(float value, const ParameterDef* def)
{
    if (!def)
        return plainNumber(value);
    unTypeData data;
    data.f = value;
    return Common::getTextValue(data, def, def->valid, false);
}

quint16 toCode16(float value)
{
    return static_cast<quint16>(Common::toCode(value));
}

// Characters packed in two raw values, most significant byte first; zero bytes are skipped.
QString packedText(quint32 raw1, quint32 raw2)
{
    QString text;
    for (quint32 raw : {raw1, raw2})
        for (int shift = 24; shift >= 0; shift -= 8) {
            const quint8 byte = static_cast<quint8>(raw >> shift);
            if (byte)
                text.append(QChar::fromLatin1(static_cast<char>(byte)));
        }
    return text;
}

// Suffix of a parameter-change event that carries the parameter's value in its own form.
QString parameterChangeSuffix(quint16 id, float value1, float value2, quint32 raw1, quint32 raw2)
{
    switch (id) {
    case 885:
    case 886:
        return QStringLiteral(" %1%2").arg(raw1, 2, 10, QLatin1Char('0')).arg(raw2, 9, 10, QLatin1Char('0'));
    case 867:
    case 871: {
        const qint32 a = Common::toInt(value1);
        const qint32 b = Common::toInt(value2);
        return QStringLiteral(" %1.%2.%3.%4").arg(a / 1000).arg(a % 1000).arg(b / 1000).arg(b % 1000);
    }
    case 1658:
    case 1660:
    case 1662:
        return QLatin1Char(' ') + packedText(raw1, raw2);
    default:
        if (id >= 2126 && id <= 2140 && id % 2 == 0)
            return QLatin1Char(' ') + packedText(raw1, raw2);
        return QString();
    }
}

QString dhsTypeText(qint32 code)
{
    // Codes outside the enumeration are shown as numbers, as the renderer does.
    if (code < DhsNone || code > DhsPicV3)
        return QString::number(code);
    return Common::getTextDhsType(static_cast<typeDHS>(code));
}

} // namespace

LogEvent::LogEvent(QObject* parent)
    : QObject(parent)
{
}

quint32 LogEvent::serialOf(const QByteArray& record) { return readLe(record, 0, 4); }
quint32 LogEvent::timeOf(const QByteArray& record) { return readLe(record, 4, 4); }
quint8 LogEvent::codeOf(const QByteArray& record) { return static_cast<quint8>(readLe(record, 8, 1)); }
quint16 LogEvent::idOf(const QByteArray& record) { return static_cast<quint16>(readLe(record, 10, 2)); }
quint32 LogEvent::value1Of(const QByteArray& record) { return readLe(record, 12, 4); }
quint32 LogEvent::value2Of(const QByteArray& record) { return readLe(record, 16, 4); }

void LogEvent::syncAllEvent()
{
    events_.clear();
    for (int page = 0; page < kPages; ++page)
        for (int slot = 0; slot < kSlotsPerPage; ++slot)
            emit signalEventRead(static_cast<quint32>(page * kPageSize + slot * kRecordSize));
}

void LogEvent::slotNewEvent(QByteArray eventLog)
{
    const quint8 code = codeOf(eventLog);
    if (code == 0 || code > 109)
        return;
    const quint32 serial = serialOf(eventLog);
    if (events_.contains(serial))
        return;
    events_.insert(serial, eventLog);
    if (events_.size() > kMaxRecords)
        events_.erase(events_.begin());
    emit signalNewEvent(eventLog);
}

unsigned short LogEvent::getTextEvent(QByteArray* eventLog, QString& text, QString& dateTime)
{
    if (!eventLog)
        return 0;
    const quint8 code = codeOf(*eventLog);
    if (code == 0 || code > 109)
        return 0;
    const quint16 id = idOf(*eventLog);
    const quint32 raw1 = value1Of(*eventLog);
    const quint32 raw2 = value2Of(*eventLog);
    const ParameterDef* def = metadata(id);
    const float value1 = toDisplay(Common::bitsFloat(raw1), def);
    const float value2 = toDisplay(Common::bitsFloat(raw2), def);

    dateTime = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(timeOf(*eventLog)), Qt::UTC)
                   .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));

    QString built;
    // Identifiers carry no parameter: their values arrive unconverted.
    if (!getTextIdentifier(id, Common::bitsFloat(raw1), Common::bitsFloat(raw2), built))
        built = getTextByCode(code, id, value1, value2, raw1, raw2);
    text = built;
    return id;
}

QString LogEvent::getTextByCode(quint8 code, unsigned short id, float value1, float value2, quint32 raw1,
                                quint32 raw2)
{
    switch (code) {
    case 1:
        return QStringLiteral("%1. %2").arg(QObject::tr("Пуск"), Common::getTextReasonRun(id));
    case 2:
        return QStringLiteral("%1. %2").arg(QObject::tr("Стоп"),
                                            Common::getTextReasonStop(id, mirror() ? mirror()->cellReader()
                                                                                   : Common::CellReader()));
    case 13: {
        const QString known = getTextChangeSetpoint(id, value1, value2);
        if (!known.isEmpty())
            return known;
        const ParameterDef* def = metadata(id);
        if (def)
            return QStringLiteral("%1. %2 %3 -> %4 %5")
                .arg(QObject::tr("ИзмПарам"), getTextFromId(id), valueText(value1, def), valueText(value2, def),
                     unitText(def));
        return QStringLiteral("%1. %2 %3 -> %4")
            .arg(QObject::tr("ИзмПарам"), getTextFromId(id), plainNumber(value1), plainNumber(value2));
    }
    case 33:
    case 37:
    case 38:
        return QStringLiteral("%1 %2").arg(getTextFromId(id), Common::getTextConnect(toCode16(value2)));
    case 104:
        return QStringLiteral("%1. %2").arg(QObject::tr("Сработала защита: ЧРП"), Common::getTextVsdAlarm(id, true));
    case 105:
        return QStringLiteral("%1. %2").arg(QObject::tr("Предупреждение: ЧРП"), Common::getTextVsdWarning(id, true));
    case 107:
        return QStringLiteral("%1. %2").arg(QObject::tr("ИзмПарам"), getTextFromId(id))
            + parameterChangeSuffix(id, value1, value2, raw1, raw2);
    default:
        return getTextFromId(id);
    }
}

bool LogEvent::getTextIdentifier(unsigned short id, float value1, float value2, QString& text)
{
    using LogEventTextId::Decoration;
    using LogEventTextId::Kind;
    const LogEventTextId::Identifier e = LogEventTextId::identifier(id);
    const QString pattern = QStringLiteral("%1: %2");
    switch (e.kind) {
    case Kind::None:
        return false;
    case Kind::Restart:
        text = pattern.arg(QObject::tr("АПВ по защите"), getTextEvent(id));
        return true;
    case Kind::Prohibit:
        text = pattern.arg(QObject::tr("Пуск запрещён"), getTextEvent(id));
        return true;
    case Kind::Block:
        text = pattern.arg(QObject::tr("Блокировка по защите"), getTextEvent(id));
        return true;
    case Kind::TripPlain:
        text = pattern.arg(QObject::tr("Сработала защита"), getTextEvent(id));
        return true;
    case Kind::TripInput:
        text = QStringLiteral("%1: %2 %3")
                   .arg(QObject::tr("Сработала защита"), getTextEvent(id), Common::getTextDiType(toCode16(value1)));
        return true;
    case Kind::TripAbove:
    case Kind::TripBelow: {
        const QString head = pattern.arg(QObject::tr("Сработала защита"), getTextEvent(id));
        const QString format = e.kind == Kind::TripAbove ? QStringLiteral("%1 %2 > %3 %4")
                                                         : QStringLiteral("%1 %2 < %3 %4");
        text = getTextValueProtection(format, head, e.paramId, value1, value2);
        return true;
    }
    case Kind::Fixed:
        break;
    }

    const QString phrase = translated(e.text);
    switch (e.decoration) {
    case Decoration::None:
        text = phrase;
        break;
    case Decoration::DhsType:
        text = QStringLiteral("%1 %2").arg(phrase, dhsTypeText(Common::toInt(value2)));
        break;
    case Decoration::VsdType:
        text = QStringLiteral("%1 %2").arg(phrase, Common::getTextVsdType(toCode16(value2)));
        break;
    case Decoration::EmType:
        text = QStringLiteral("%1 %2").arg(phrase, Common::getTextEmType(toCode16(value2)));
        break;
    case Decoration::AiBelow:
    case Decoration::AiAbove:
        text = (e.decoration == Decoration::AiBelow ? QStringLiteral("%1 %2 < %3") : QStringLiteral("%1 %2 > %3"))
                   .arg(phrase, QString::number(static_cast<double>(value1), 'f', 1),
                        QString::number(static_cast<double>(value2), 'f', 1));
        break;
    case Decoration::StartCount:
        text = QStringLiteral("%1 %2 > %3")
                   .arg(phrase, QString::number(Common::toInt(value1)), QString::number(Common::toInt(value2)));
        break;
    case Decoration::Resistance:
        text = QStringLiteral("%1 %2 %3")
                   .arg(phrase, QString::number(static_cast<double>(value2), 'f', 4),
                        Common::getTextUnitResistance(0));
        break;
    case Decoration::RegimeRunFail:
        text = getTextRegimeRunFail(QStringLiteral("%1: %2 %3 %4"), phrase, value1, value2);
        break;
    case Decoration::Profile:
        text = QStringLiteral("%1 %2").arg(phrase, QString::number(Common::toInt(value2)));
        break;
    case Decoration::PhaseRotation:
        text = QStringLiteral("%1 %2").arg(phrase, Common::getTextPhaseRotation(toCode16(value1)));
        break;
    case Decoration::ParamValue: {
        const qint32 paramId = Common::toInt(value1);
        text = QStringLiteral("%1. %2 %3 %4")
                   .arg(phrase, getTextFromId(paramId), plainNumber(value2),
                        unitText(metadata(static_cast<quint16>(paramId))));
        break;
    }
    case Decoration::SensorSuffix: {
        const Parameters* params = mirror();
        const bool marked = params && Common::toCode(params->get(1330)) == 1;
        text = marked ? phrase + QLatin1String(e.suffix) : phrase;
        break;
    }
    }
    return true;
}

QString LogEvent::getTextEvent(unsigned short id)
{
    const char* name = LogEventTextId::identifier(id).name;
    return name ? translated(name) : QString::number(id);
}

unsigned short LogEvent::getIdParamWithUnit(unsigned short id)
{
    return LogEventTextId::identifier(id).paramId;
}

QString LogEvent::getTextValueProtection(const QString& format, const QString& head, unsigned short paramId,
                                         float value1, float value2)
{
    const ParameterDef* def = metadata(paramId);
    return format.arg(head, valueText(toDisplay(value1, def), def), valueText(toDisplay(value2, def), def),
                      unitText(def));
}

QString LogEvent::getTextRegimeRunFail(const QString& format, const QString& head, float value1, float value2)
{
    const qint32 paramId = Common::toInt(value1);
    const ParameterDef* def = metadata(static_cast<quint16>(paramId));
    return format.arg(head, getTextFromId(paramId), valueText(toDisplay(value2, def), def), unitText(def));
}

QString LogEvent::getTextChangeSetpoint(unsigned short id, float value1, float value2)
{
    const LogEventTextId::SetpointRender render = LogEventTextId::setpointRenderer(id);
    if (!render)
        return QString();
    return QStringLiteral("%1. %2 %3 -> %4").arg(QObject::tr("ИзмПарам"), getTextFromId(id), render(value1), render(value2));
}

QString LogEvent::getTextFromId(int id)
{
    const char* name = LogEventTextId::journalName(id);
    return name ? translated(name) : QString::number(id);
}
