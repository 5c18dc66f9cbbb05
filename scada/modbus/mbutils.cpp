#include "scada/modbus/mbutils.h"

namespace {

// The byte of the first bit, and whether the bits run on into the next one.
struct BitSpan {
    uint16_t usByte;
    uint16_t usShift;
    bool xSpills;
};

BitSpan prvxBitSpan(uint16_t usBitOffset, uint8_t ucNBits)
{
    const uint16_t usByte = static_cast<uint16_t>(usBitOffset / 8);
    const uint16_t usShift = static_cast<uint16_t>(usBitOffset % 8);
    return {usByte, usShift, usShift + ucNBits > 8};
}

bool prvxValidCount(uint8_t ucNBits)
{
    return ucNBits >= 1 && ucNBits <= 8;
}

} // namespace

void xMBUtilSetBits(uint8_t* ucByteBuf, uint16_t usBitOffset, uint8_t ucNBits, uint8_t ucValue)
{
    if (!prvxValidCount(ucNBits))
        return;
    const BitSpan s = prvxBitSpan(usBitOffset, ucNBits);
    const uint16_t usMask = static_cast<uint16_t>(((1u << ucNBits) - 1) << s.usShift);
    uint16_t usWord = ucByteBuf[s.usByte];
    if (s.xSpills)
        usWord = static_cast<uint16_t>(usWord | (ucByteBuf[s.usByte + 1] << 8));
    usWord = static_cast<uint16_t>((usWord & ~usMask) | ((ucValue << s.usShift) & usMask));
    ucByteBuf[s.usByte] = static_cast<uint8_t>(usWord & 0xFF);
    if (s.xSpills)
        ucByteBuf[s.usByte + 1] = static_cast<uint8_t>(usWord >> 8);
}

uint8_t xMBUtilGetBits(const uint8_t* ucByteBuf, uint16_t usBitOffset, uint8_t ucNBits)
{
    if (!prvxValidCount(ucNBits))
        return 0;
    const BitSpan s = prvxBitSpan(usBitOffset, ucNBits);
    uint16_t usWord = ucByteBuf[s.usByte];
    if (s.xSpills)
        usWord = static_cast<uint16_t>(usWord | (ucByteBuf[s.usByte + 1] << 8));
    return static_cast<uint8_t>((usWord >> s.usShift) & ((1u << ucNBits) - 1));
}

bool xMBGetMultipleWrite(const uint8_t* pucFrame, uint16_t usLength, uint16_t usMaxCount, bool xBits,
                         uint16_t* pusAddress, uint16_t* pusCount)
{
    if (usLength < 6)
        return false;
    const uint8_t ucByteCount = pucFrame[5];
    if (usLength < 6 + ucByteCount)
        return false;
    const uint16_t usCount = usMBGetU16(pucFrame + 3);
    if (usCount < 1 || usCount > usMaxCount)
        return false;
    const unsigned uExpected = xBits ? (usCount + 7u) / 8u : usCount * 2u;
    if (ucByteCount != uExpected)
        return false;
    *pusAddress = static_cast<uint16_t>(usMBGetU16(pucFrame + 1) + 1);
    *pusCount = usCount;
    return true;
}
