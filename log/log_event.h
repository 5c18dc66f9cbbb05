#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>

// The event store: the newest journal records of the main controller, keyed by serial number.
class LogEvent : public QObject
{
    Q_OBJECT
public:
    static constexpr int kRecordSize = 21;
    static constexpr int kMaxRecords = 512;
    static constexpr int kPages = 5;
    static constexpr int kPageSize = 4096;
    static constexpr int kSlotsPerPage = 195;

    explicit LogEvent(QObject* parent = nullptr);

    // A copy of the store (implicitly shared).
    QMap<unsigned int, QByteArray> events() const { return events_; }

    // Little-endian fields of a record; bytes beyond the end read as 0.
    static quint32 serialOf(const QByteArray& record);
    static quint32 timeOf(const QByteArray& record);
    static quint8 codeOf(const QByteArray& record);
    static quint16 idOf(const QByteArray& record);
    static quint32 value1Of(const QByteArray& record);
    static quint32 value2Of(const QByteArray& record);

    // Decodes a record into its journal line: the date and time in UTC and the event's text.
    // Returns the record's id, or 0 (outputs untouched) when its event code is not 1..109.
    static unsigned short getTextEvent(QByteArray* eventLog, QString& text, QString& dateTime);

    // Protection name of a trip, restart, prohibition or block identifier; the number when none.
    static QString getTextEvent(unsigned short id);
    // Parameter whose unit and format a value-form trip uses, or 0.
    static unsigned short getIdParamWithUnit(unsigned short id);
    static QString getTextValueProtection(const QString& format, const QString& head, unsigned short paramId,
                                          float value1, float value2);
    static QString getTextRegimeRunFail(const QString& format, const QString& head, float value1, float value2);
    // Setting change rendered by the parameter's enumeration; empty when it has none.
    static QString getTextChangeSetpoint(unsigned short id, float value1, float value2);
    // Journal name of a parameter; the number when it has none.
    static QString getTextFromId(int id);

signals:
    void signalEventRead(quint32 addr);
    void signalNewEvent(QByteArray eventLog);

public slots:
    void syncAllEvent();
    void slotNewEvent(QByteArray eventLog);

private:
    // Text of a controller event identifier; false when the id is none.
    static bool getTextIdentifier(unsigned short id, float value1, float value2, QString& text);
    static QString getTextByCode(quint8 code, unsigned short id, float value1, float value2,
                                 quint32 raw1, quint32 raw2);

    QMap<unsigned int, QByteArray> events_;
};
