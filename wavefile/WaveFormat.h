#pragma once
// Fixed values of the recording file's layout.
#include "platform/Types.h"

namespace wavefmt {

// Four-character identifier as a 32-bit value whose little-endian bytes spell it.
constexpr DWORD FourCC(const char (&s)[5])
{
    return static_cast<DWORD>(static_cast<unsigned char>(s[0])) |
           (static_cast<DWORD>(static_cast<unsigned char>(s[1])) << 8) |
           (static_cast<DWORD>(static_cast<unsigned char>(s[2])) << 16) |
           (static_cast<DWORD>(static_cast<unsigned char>(s[3])) << 24);
}

inline constexpr DWORD kRiffId = FourCC("RIFF");
inline constexpr DWORD kWaveId = FourCC("WAVE");
inline constexpr DWORD kFmtId = FourCC("fmt ");
inline constexpr DWORD kDataId = FourCC("data");
inline constexpr DWORD kChannelChunkId = FourCC("chn ");
inline constexpr DWORD kMarkChunkId = FourCC("mark");
inline constexpr DWORD kUserMarkChunkId = FourCC("umrk");

inline constexpr DWORD kHeaderSize = 44;
inline constexpr DWORD kFmtChunkSize = 16;
inline constexpr WORD kFormatPcm = 1;

// Fixed part of each extension chunk after its size field.
inline constexpr DWORD kChannelChunkFixed = 36;
inline constexpr DWORD kMarkChunkFixed = 8;
inline constexpr DWORD kUserMarkChunkFixed = 12;

// Texts in chunks are cut to this many bytes; readers' buffers hold one more.
inline constexpr DWORD kMaxChunkText = 256;

}  // namespace wavefmt
