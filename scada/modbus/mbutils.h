#pragma once

#include <cstdint>

// Bit access for register callbacks. Both touch the byte after the one holding the first bit,
// so the buffer needs one byte to spare after the last addressed bit.
void xMBUtilSetBits(uint8_t* ucByteBuf, uint16_t usBitOffset, uint8_t ucNBits, uint8_t ucValue);
uint8_t xMBUtilGetBits(const uint8_t* ucByteBuf, uint16_t usBitOffset, uint8_t ucNBits);

// Big-endian 16-bit field of a PDU.
inline uint16_t usMBGetU16(const uint8_t* p)
{
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

inline void vMBPutU16(uint8_t* p, uint16_t v)
{
    p[0] = static_cast<uint8_t>(v >> 8);
    p[1] = static_cast<uint8_t>(v & 0xFF);
}
