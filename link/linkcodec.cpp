#include "link/linkcodec.h"

#include "texts/common.h"

void LinkCodec::putU16(QByteArray* out, quint16 v)
{
    out->append(static_cast<char>(v >> 8));
    out->append(static_cast<char>(v & 0xFF));
}

void LinkCodec::putU32(QByteArray* out, quint32 v)
{
    putU16(out, static_cast<quint16>(v >> 16));
    putU16(out, static_cast<quint16>(v & 0xFFFF));
}

quint16 LinkCodec::getU16(const QByteArray& in, int pos)
{
    if (pos < 0 || pos + 2 > in.size())
        return 0;
    return static_cast<quint16>((static_cast<quint8>(in[pos]) << 8) | static_cast<quint8>(in[pos + 1]));
}

quint32 LinkCodec::getU32(const QByteArray& in, int pos)
{
    if (pos < 0 || pos + 4 > in.size())
        return 0;
    return (static_cast<quint32>(getU16(in, pos)) << 16) | getU16(in, pos + 2);
}

QByteArray LinkCodec::stuff(const QByteArray& body)
{
    QByteArray out;
    out.reserve(body.size() + body.size() / 8 + 2);
    out.append(static_cast<char>(kFlag));
    for (char c : body) {
        const quint8 b = static_cast<quint8>(c);
        if (b == kFlag || b == kEscape) {
            out.append(static_cast<char>(kEscape));
            out.append(static_cast<char>(b ^ 0x20));
        } else {
            out.append(c);
        }
    }
    out.append(static_cast<char>(kFlag));
    return out;
}

bool LinkCodec::unstuff(const QByteArray& wire, QByteArray* body)
{
    body->clear();
    int i = 0;
    const int n = wire.size();
    for (;;) {
        while (i < n && static_cast<quint8>(wire[i]) != kFlag)
            ++i;
        if (i >= n)
            return false;
        ++i;  // opening flag
        // Consecutive flags: an empty frame, or idle fill between frames.
        while (i < n && static_cast<quint8>(wire[i]) == kFlag)
            ++i;
        body->clear();
        bool escaped = false;
        bool closed = false;
        for (; i < n; ++i) {
            const quint8 b = static_cast<quint8>(wire[i]);
            if (b == kFlag) {
                closed = true;
                break;
            }
            if (escaped) {
                body->append(static_cast<char>(b ^ 0x20));
                escaped = false;
            } else if (b == kEscape) {
                escaped = true;
            } else {
                body->append(static_cast<char>(b));
            }
            if (body->size() > kMaxPayload + 16)
                break;  // runaway: no closing flag within a legal size
        }
        if (closed && !escaped && !body->isEmpty())
            return true;
        if (!closed)
            return false;
        // An escape right before the flag: a broken frame; look for the next one.
    }
}

QByteArray LinkCodec::encodeRequest(const LinkFrame& frame)
{
    QByteArray body;
    body.append(static_cast<char>(frame.cmd));
    body.append(static_cast<char>(frame.seq));
    putU16(&body, static_cast<quint16>(frame.payload.size()));
    body.append(frame.payload);
    putU16(&body, Common::crc16(body.constData(), body.size()));
    return stuff(body);
}

QByteArray LinkCodec::encodeReply(const LinkFrame& frame)
{
    QByteArray body;
    body.append(static_cast<char>(frame.cmd | 0x80));
    body.append(static_cast<char>(frame.seq));
    body.append(static_cast<char>(frame.status));
    body.append(static_cast<char>(frame.result));
    putU16(&body, static_cast<quint16>(frame.payload.size()));
    body.append(frame.payload);
    putU16(&body, Common::crc16(body.constData(), body.size()));
    return stuff(body);
}

LinkCodec::DecodeError LinkCodec::decode(const QByteArray& wire, bool reply, LinkFrame* frame)
{
    QByteArray body;
    if (!unstuff(wire, &body))
        return DecodeNoFrame;
    const int head = reply ? 6 : 4;
    if (body.size() < head + 2)
        return DecodeBadLength;
    const quint16 crc = getU16(body, body.size() - 2);
    if (Common::crc16(body.constData(), body.size() - 2) != crc)
        return DecodeBadCrc;
    const int len = getU16(body, head - 2);
    if (len > kMaxPayload || head + len + 2 != body.size())
        return DecodeBadLength;
    const quint8 cmd = static_cast<quint8>(body[0]);
    if (reply != ((cmd & 0x80) != 0))
        return DecodeBadLength;
    frame->cmd = cmd & 0x7F;
    frame->seq = static_cast<quint8>(body[1]);
    frame->status = reply ? static_cast<quint8>(body[2]) : 0;
    frame->result = reply ? static_cast<quint8>(body[3]) : 0;
    frame->payload = body.mid(head, len);
    return DecodeOk;
}

LinkCodec::DecodeError LinkCodec::decodeRequest(const QByteArray& wire, LinkFrame* frame)
{
    return decode(wire, false, frame);
}

LinkCodec::DecodeError LinkCodec::decodeReply(const QByteArray& wire, LinkFrame* frame)
{
    return decode(wire, true, frame);
}
