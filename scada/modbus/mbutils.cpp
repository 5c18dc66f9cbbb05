#include "scada/modbus/mbutils.h"

#include <cassert>

void xMBUtilSetBits(uint8_t* ucByteBuf, uint16_t usBitOffset, uint8_t ucNBits, uint8_t ucValue)
{
    assert(ucNBits <= 8);
    const uint16_t usByteOffset = static_cast<uint16_t>(usBitOffset / 8);
    const uint16_t usNPreBits = static_cast<uint16_t>(usBitOffset - usByteOffset * 8);
    const uint16_t usMask = static_cast<uint16_t>(((1u << ucNBits) - 1) << usNPreBits);
    const uint16_t usValue = static_cast<uint16_t>(ucValue << usNPreBits);

    uint16_t usWord = static_cast<uint16_t>(ucByteBuf[usByteOffset] | (ucByteBuf[usByteOffset + 1] << 8));
    usWord = static_cast<uint16_t>((usWord & ~usMask) | (usValue & usMask));
    ucByteBuf[usByteOffset] = static_cast<uint8_t>(usWord & 0xFF);
    ucByteBuf[usByteOffset + 1] = static_cast<uint8_t>(usWord >> 8);
}

uint8_t xMBUtilGetBits(const uint8_t* ucByteBuf, uint16_t usBitOffset, uint8_t ucNBits)
{
    assert(ucNBits <= 8);
    const uint16_t usByteOffset = static_cast<uint16_t>(usBitOffset / 8);
    const uint16_t usNPreBits = static_cast<uint16_t>(usBitOffset - usByteOffset * 8);
    const uint16_t usMask = static_cast<uint16_t>((1u << ucNBits) - 1);

    uint16_t usWord = static_cast<uint16_t>(ucByteBuf[usByteOffset] | (ucByteBuf[usByteOffset + 1] << 8));
    usWord = static_cast<uint16_t>(usWord >> usNPreBits);
    return static_cast<uint8_t>(usWord & usMask);
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
