#pragma once
// The box's byte protocol over its two channels: the command channel (device index 0,
// written only) and the data channel (device index 1, read only).
#include "platform/Types.h"

#include <cstdint>

class CSerialPort;

namespace box {

inline constexpr int kCommandIndex = 0;
inline constexpr int kDataIndex = 1;
inline constexpr int kBaudRate = 6000000;
inline constexpr int kOpenUnused = 8;
inline constexpr int kSampleRate = 31250;
inline constexpr int kFramesPerBlock = 256;
inline constexpr int kCaptureFrames = 256;
inline constexpr int kMics = 6;

inline constexpr char kPrefix = '!';
inline constexpr char kEsc = 27;
inline constexpr char kQuerySensor1 = '1';
inline constexpr char kQuerySensor2 = '2';
inline constexpr char kQueryBoardTemp = 'T';
inline constexpr char kBuzzerOn = 'B';
inline constexpr char kBuzzerOff = 'b';
inline constexpr char kSelectMask = 'M';
inline constexpr char kCapture = 's';
inline constexpr char kStream = 'S';

// Settle times around a stream, in milliseconds.
inline constexpr int kStreamSettleMs = 100;

// Bit i set for each element i of bMic that is nonzero; element 0 is "Mic6".
int ChannelMask(const BOOL bMic[kMics]);
// Number of nonzero elements of bMic.
int ChannelCount(const BOOL bMic[kMics]);
// Bytes of one stream block with n channels: 2 * (256 * n + 1).
constexpr int BlockBytes(int nChannels) { return 2 * (kFramesPerBlock * nChannels + 1); }

// One byte on the command channel, then its answer byte read (and dropped) on the data channel.
void SendByte(CSerialPort& cmd, CSerialPort& data, char byte);
// '!' then the command byte, each answered.
void SendCommand(CSerialPort& cmd, CSerialPort& data, char command);
// Two bytes from the data channel, high byte first.
unsigned ReadWord(CSerialPort& data);

// Sensor query: '!' and '1', '2' or 'T', then the reading word.
unsigned QuerySensor(CSerialPort& cmd, CSerialPort& data, char command);

// Test capture up to the samples: buzzer state, mask, 's'. The caller then reads
// 256 frames of n words with ReadWord and ends with CaptureEnd.
void CaptureBegin(CSerialPort& cmd, CSerialPort& data, bool bBuzzer, int nMask);
void CaptureEnd(CSerialPort& cmd, CSerialPort& data);

// Stream start: wait, purge both, buzzer state, mask, RTS up, 'S'. Blocks then follow,
// each read whole with ReadBlock.
void StreamStart(CSerialPort& cmd, CSerialPort& data, bool bBuzzer, int nMask);
// Stream stop: RTS down, ESC without answer, wait, purge the data channel, buzzer off.
void StreamStop(CSerialPort& cmd, CSerialPort& data);
// A stream that failed half-way: exceptions off, RTS down and ESC, without waiting for the
// answers a box that is gone will not give.
void StreamAbort(CSerialPort& cmd, CSerialPort& data);

// Swaps the two bytes of each of nWords words in place (the wire is high byte first).
void SwapWords(std::uint16_t* pWords, int nWords);

}  // namespace box
