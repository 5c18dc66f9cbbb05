#pragma once

#include <QByteArray>
#include <QtGlobal>

// One frame of the link to the main controller, request or reply.
struct LinkFrame {
    quint8 cmd = 0;      // a reply carries cmd | 0x80
    quint8 seq = 0;
    quint8 status = 0;   // reply only
    quint8 result = 0;   // reply only
    QByteArray payload;
};

// Framing of the link: 0x7E, stuffed body, 0x7E. CRC-16/CCITT-FALSE over the body, all fields big-endian.
//   request body: cmd | seq | len u16 | payload | crc u16
//   reply body:   cmd|0x80 | seq | status | result | len u16 | payload | crc u16
class LinkCodec
{
public:
    static constexpr quint8 kFlag = 0x7E;
    static constexpr quint8 kEscape = 0x7D;
    static constexpr int kMaxPayload = 2048;

    enum Command : quint8 {
        CmdStatus = 0,
        CmdReadValues = 1,
        CmdWriteValue = 2,
        CmdReadChanged = 3,
        CmdReadNewEvents = 5,
        CmdReadEvents = 6,
        CmdReadMin = 7,
        CmdReadMax = 8,
        CmdSoftwareWrite = 13,
        CmdReadLog = 14,
        CmdReadPhysic = 15,
    };

    enum Result : quint8 {
        ResOk = 0,
        ResBadCrc = 1,
        ResUnknownCmd = 2,
        ResBadLength = 3,
        ResBusy = 4,
        ResUnknownId = 5,
        ResOutOfRange = 6,
        ResReadOnly = 7,
        ResLockedRunning = 8,
    };

    enum Status : quint8 {
        StatusChanged = 0x01,
        StatusNewEvents = 0x02,
        StatusBusy = 0x04,
        StatusRestarted = 0x80,
    };

    enum DecodeError { DecodeOk, DecodeNoFrame, DecodeBadCrc, DecodeBadLength };

    static QByteArray encodeRequest(const LinkFrame& frame);
    static QByteArray encodeReply(const LinkFrame& frame);
    // Take the first complete frame in `wire`; bytes outside flags and empty frames are skipped.
    static DecodeError decodeRequest(const QByteArray& wire, LinkFrame* frame);
    static DecodeError decodeReply(const QByteArray& wire, LinkFrame* frame);

    // Byte stuffing alone, exposed for tests.
    static QByteArray stuff(const QByteArray& body);
    static bool unstuff(const QByteArray& wire, QByteArray* body);

    static void putU16(QByteArray* out, quint16 v);
    static void putU32(QByteArray* out, quint32 v);
    static quint16 getU16(const QByteArray& in, int pos);
    static quint32 getU32(const QByteArray& in, int pos);

private:
    static DecodeError decode(const QByteArray& wire, bool reply, LinkFrame* frame);
};
