#pragma once
// The box behind the two channels: it takes the bytes of the command channel one at a
// time, answers each on the data channel, carries out the commands, and keeps a log of
// every breach of the protocol.
#include "instrument/d2xx/sim/SimOptions.h"
#include "instrument/d2xx/sim/SimSignal.h"
#include "instrument/d2xx/sim/SimStream.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

enum class BREACHKIND {
    DataChannelWrite,     // the host wrote on the data channel
    CommandChannelRead,   // the host read from the command channel
    MissingPrefix,        // a command byte without '!' before it
    UnknownCommand,       // '!' followed by a byte that is no command
    CommandDuringStream,  // a byte other than ESC while the box streams
};

struct SIMBREACH {
    BREACHKIND nKind;
    int nByte;  // the byte concerned, or -1
    std::string strText;
};

class CSimFirmware {
public:
    static constexpr std::size_t kMaxLoggedBreaches = 1000;
    static constexpr std::size_t kMaxLoggedCommandBytes = 1 << 16;

    // Power-on state with these options; the logs are emptied.
    void Reset(const SIMOPTIONS& options);

    void OnCommandByte(std::uint8_t byte, std::int64_t nNow);
    void RecordBreach(BREACHKIND nKind, int nByte);

    CSimStream& Stream() { return m_stream; }
    const CSimStream& Stream() const { return m_stream; }

    bool IsBuzzerOn() const { return m_bBuzzer; }
    int Mask() const { return m_signal.Mask(); }
    long long Captures() const { return m_nCaptures; }
    long long StreamsStarted() const { return m_nStreams; }
    const std::vector<SIMBREACH>& Breaches() const { return m_vecBreaches; }
    long long BreachCount() const { return m_nBreaches; }
    // The first kMaxLoggedCommandBytes bytes written on the command channel.
    const std::vector<std::uint8_t>& CommandBytes() const { return m_vecCommandBytes; }
    long long CommandByteCount() const { return m_nCommandBytes; }

private:
    enum class STATE { Idle, AwaitCommand, AwaitMask };

    void Answer(std::uint8_t byte);
    void SendWord(std::uint16_t w);
    void RunCommand(std::uint8_t byte, std::int64_t nNow);

    SIMOPTIONS m_options;
    CSimSignal m_signal;
    CSimStream m_stream;
    STATE m_nState = STATE::Idle;
    bool m_bBuzzer = false;
    long long m_nCaptures = 0;
    long long m_nStreams = 0;
    std::vector<SIMBREACH> m_vecBreaches;
    long long m_nBreaches = 0;
    std::vector<std::uint8_t> m_vecCommandBytes;
    long long m_nCommandBytes = 0;
};

}  // namespace sim
