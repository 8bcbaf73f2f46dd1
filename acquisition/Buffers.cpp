#include "acquisition/CaptureBuffers.h"

double g_dCapture[kCaptureRows][kCaptureColumns];
std::uint16_t g_wBlockBuffer[kBlockBufferWords];
