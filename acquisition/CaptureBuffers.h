#pragma once
// Program-wide sample buffers: what the capture plot shows, and one stream block.
#include <cstdint>

inline constexpr int kCaptureRows = 6;
inline constexpr int kCaptureColumns = 256;
inline constexpr int kBlockBufferWords = 32768;

// Written and read on the GUI thread only: the test capture and the hand-over of a run's
// last block both happen there, so a paint never sees half a block.
extern double g_dCapture[kCaptureRows][kCaptureColumns];
// The recording thread's block; the GUI thread reads it only after joining that thread.
extern std::uint16_t g_wBlockBuffer[kBlockBufferWords];
