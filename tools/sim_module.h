#pragma once

#include "tools/sim_frame_parser.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

inline constexpr std::size_t kMemoryBytes = 512;
inline constexpr std::size_t kBlockBytes = 128;

using Memory = std::array<std::uint8_t, kMemoryBytes>;

// A fault that hits the first `times` frames touching block `block` (1 to 4; 0 for none).
struct BlockFault {
    int block = 0;
    int times = 0;
};

struct Faults {
    bool silent = false;
    BlockFault badCheckByte;
    BlockFault shortReply;
    BlockFault corruptWrite;
    std::size_t noiseAfterWrite = 0;
};

// The module as seen from its serial port: 512 bytes of memory, a version text and a restart
// counter. Addresses wrap around the memory. A frame's block is the one its address falls in.
class SimulatedModule {
public:
    SimulatedModule(const Memory& memory, std::string version, Faults faults);

    // The bytes the module sends back for a request; empty when it sends nothing.
    std::vector<std::uint8_t> Answer(const Request& request);

    const Memory& memory() const { return m_memory; }
    int restarts() const { return m_restarts; }

private:
    std::vector<std::uint8_t> Store(const Request& request);
    std::vector<std::uint8_t> Load(const Request& request);
    std::vector<std::uint8_t> Noise(std::size_t count);
    // True while the fault has hits left for this block; counts the hit.
    static bool Strikes(const BlockFault& fault, int& hits, int block);

    Memory m_memory;
    std::string m_version;
    Faults m_faults;
    int m_restarts = 0;
    int m_badCheckHits = 0;
    int m_shortReplyHits = 0;
    int m_corruptWriteHits = 0;
    std::uint32_t m_noiseState = 0x2545F491;
};

int BlockOfAddress(std::uint16_t address);

} // namespace sim
