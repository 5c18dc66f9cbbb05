#pragma once

#include <cstdint>

// Bit access for register callbacks: ucNBits bits from bit usBitOffset on, the first bit the lowest.
// Only the bytes holding the addressed bits are touched. A count outside 1..8 sets nothing and reads 0,
// in every build.
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

// The header of a multiple write (0x0F, 0x10): address (1-based on return), quantity and byte count at
// [1..5], data from [6]. True when the quantity lies in 1..usMaxCount, the byte count matches it
// (one bit or two bytes an item) and the data lies within the PDU of usLength bytes.
bool xMBGetMultipleWrite(const uint8_t* pucFrame, uint16_t usLength, uint16_t usMaxCount, bool xBits,
                         uint16_t* pusAddress, uint16_t* pusCount);
