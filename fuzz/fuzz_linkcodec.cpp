// Replies of the main controller as they come off the SPI bus.
#include <QByteArray>

#include <cstddef>
#include <cstdint>

#include "link/linkcodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray wire(reinterpret_cast<const char*>(data), static_cast<int>(size));
    LinkFrame frame;
    if (LinkCodec::decodeReply(wire, &frame) == LinkCodec::DecodeOk) {
        // What decodes must encode back to a frame that decodes the same.
        LinkFrame again;
        if (LinkCodec::decodeReply(LinkCodec::encodeReply(frame), &again) != LinkCodec::DecodeOk
            || again.payload != frame.payload || again.seq != frame.seq)
            __builtin_trap();
    }
    LinkCodec::decodeRequest(wire, &frame);
    return 0;
}
