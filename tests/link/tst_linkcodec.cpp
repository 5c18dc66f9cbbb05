#include "link/linkcodec.h"
#include "support/testmain.h"
#include "texts/common.h"

namespace {

QByteArray allBytes()
{
    QByteArray b;
    for (int i = 0; i < 256; ++i)
        b.append(static_cast<char>(i));
    return b + QByteArray(40, '\x7E') + QByteArray(40, '\x7D');
}

} // namespace

class TestLinkCodec : public QObject
{
    Q_OBJECT
private slots:
    void crcIsCcittFalse()
    {
        QCOMPARE(Common::crc16("123456789", 9), quint16(0x29B1));
    }

    void requestWireLayout()
    {
        LinkFrame f;
        f.cmd = LinkCodec::CmdReadEvents;
        f.seq = 0x7E;  // stuffed like any other body byte
        LinkCodec::putU32(&f.payload, 4096);
        const QByteArray wire = LinkCodec::encodeRequest(f);
        QCOMPARE(wire.left(7).toHex(), QByteArray("7e067d5e000400"));
        QCOMPARE(static_cast<quint8>(wire.at(wire.size() - 1)), quint8(0x7E));
        // Only the two flags remain unescaped.
        QCOMPARE(wire.count('\x7E'), 2);
    }

    void roundTripsBodiesFullOfFlagsAndEscapes()
    {
        LinkFrame f;
        f.cmd = LinkCodec::CmdReadLog;
        f.seq = 0x7D;
        f.status = 0x7E;
        f.result = LinkCodec::ResOk;
        f.payload = allBytes();
        LinkFrame out;
        QCOMPARE(LinkCodec::decodeReply(LinkCodec::encodeReply(f), &out), LinkCodec::DecodeOk);
        QCOMPARE(out.cmd, f.cmd);
        QCOMPARE(out.seq, f.seq);
        QCOMPARE(out.status, f.status);
        QCOMPARE(out.payload, f.payload);

        QCOMPARE(LinkCodec::decodeRequest(LinkCodec::encodeRequest(f), &out), LinkCodec::DecodeOk);
        QCOMPARE(out.payload, f.payload);
        QCOMPARE(out.seq, f.seq);
    }

    void skipsFillAndEmptyFrames()
    {
        LinkFrame f;
        f.cmd = LinkCodec::CmdStatus;
        f.seq = 3;
        f.status = LinkCodec::StatusChanged;
        const QByteArray wire = QByteArray(5, '\xFF') + "\x7E\x7E\x7E" + LinkCodec::encodeReply(f) + QByteArray(9, '\xFF');
        LinkFrame out;
        QCOMPARE(LinkCodec::decodeReply(wire, &out), LinkCodec::DecodeOk);
        QCOMPARE(out.seq, quint8(3));
        QCOMPARE(out.status, quint8(LinkCodec::StatusChanged));
    }

    void rejectsDamagedFrames()
    {
        LinkFrame f;
        f.cmd = LinkCodec::CmdReadValues;
        f.seq = 9;
        f.payload = QByteArray::fromHex("0242000000010000");
        const QByteArray wire = LinkCodec::encodeReply(f);
        LinkFrame out;
        // Truncated: no closing flag.
        QCOMPARE(LinkCodec::decodeReply(wire.left(wire.size() - 1), &out), LinkCodec::DecodeNoFrame);
        QCOMPARE(LinkCodec::decodeReply(QByteArray(), &out), LinkCodec::DecodeNoFrame);
        // One byte changed.
        QByteArray bad = wire;
        bad[5] = static_cast<char>(bad.at(5) ^ 0x01);
        QCOMPARE(LinkCodec::decodeReply(bad, &out), LinkCodec::DecodeBadCrc);
        // A request where a reply is expected, and the other way round.
        QCOMPARE(LinkCodec::decodeReply(LinkCodec::encodeRequest(f), &out), LinkCodec::DecodeBadLength);
        QCOMPARE(LinkCodec::decodeRequest(wire, &out), LinkCodec::DecodeBadLength);
        // A length field that disagrees with the body, with a valid CRC.
        QByteArray body = QByteArray::fromHex("8109000000050102");
        LinkCodec::putU16(&body, Common::crc16(body.constData(), body.size()));
        QCOMPARE(LinkCodec::decodeReply(LinkCodec::stuff(body), &out), LinkCodec::DecodeBadLength);
        // An escape right before the closing flag.
        QCOMPARE(LinkCodec::decodeReply(QByteArray::fromHex("7e81090000000000007d7e"), &out), LinkCodec::DecodeNoFrame);
    }
};

RVK_TEST_MAIN(TestLinkCodec)
#include "tst_linkcodec.moc"
