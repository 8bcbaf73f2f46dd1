#pragma once
// Writes a file the way the recording run does: planned header, one Write per 256-frame
// block, the six signal names, then the header again with the blocks actually written.
#include "wavefile/CWaveFile.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace testfiles {

using SignalNames = std::array<std::string, 6>;
inline const SignalNames kDefaultNames{"Mic1", "Mic2", "Mic3", "Mic4", "Mic5", "Mic6"};

// A distinct, sign-mixed value for every sample, so misplaced bytes show.
inline std::int16_t SampleAt(std::uint32_t nFrame, unsigned nChannel)
{
    return static_cast<std::int16_t>((nFrame * 37 + nChannel * 4099) * 2654435761u >> 16);
}

inline void WriteRecording(const std::string& strPath, WORD wChannels, DWORD dwPlannedBlocks,
                           DWORD dwBlocks, const SignalNames& names = kDefaultNames)
{
    CWaveFile wave;
    if (!wave.Open(strPath))
        throw std::runtime_error("cannot create " + strPath);
    wave.SetFormat(wChannels, 31250, 16, dwPlannedBlocks * 256);
    wave.WriteHeader();
    wave.SeekData(0);
    std::vector<std::int16_t> block(256 * wChannels);
    for (DWORD b = 0; b < dwBlocks; ++b) {
        for (std::uint32_t f = 0; f < 256; ++f)
            for (unsigned c = 0; c < wChannels; ++c)
                block[f * wChannels + c] = SampleAt(b * 256 + f, c);
        wave.Write(block.data(), static_cast<DWORD>(block.size() * 2));
    }
    const char zero = 0;
    for (const std::string& name : names) {
        if (!name.empty())
            wave.Write(name.data(), static_cast<DWORD>(name.size()));
        wave.Write(&zero, 1);
    }
    wave.SetFormat(wChannels, 31250, 16, dwBlocks * 256);
    wave.WriteHeader();
    wave.Close();
}

}  // namespace testfiles
