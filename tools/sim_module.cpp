#include "tools/sim_module.h"

#include <utility>

namespace sim {

SimulatedModule::SimulatedModule(const Memory& memory, std::string version, Faults faults)
    : m_memory(memory), m_version(std::move(version)), m_faults(faults) {}

int BlockOfAddress(std::uint16_t address) {
    return static_cast<int>(address % kMemoryBytes / kBlockBytes) + 1;
}

std::vector<std::uint8_t> SimulatedModule::Answer(const Request& request) {
    if (m_faults.silent) {
        return {};
    }
    switch (request.kind) {
    case RequestKind::WriteMemory:
        return Store(request);
    case RequestKind::ReadMemory:
        return Load(request);
    case RequestKind::Version:
        return {m_version.begin(), m_version.end()};
    case RequestKind::Restart:
        ++m_restarts;
        return {};
    }
    return {};
}

std::vector<std::uint8_t> SimulatedModule::Store(const Request& request) {
    for (std::size_t i = 0; i < request.data.size(); ++i) {
        m_memory[(request.address + i) % kMemoryBytes] = request.data[i];
    }
    const int block = BlockOfAddress(request.address);
    if (!request.data.empty() && Strikes(m_faults.corruptWrite, m_corruptWriteHits, block)) {
        const std::size_t middle = (request.address + request.data.size() / 2) % kMemoryBytes;
        m_memory[middle] = static_cast<std::uint8_t>(~m_memory[middle]);
    }
    return Noise(m_faults.noiseAfterWrite);
}

std::vector<std::uint8_t> SimulatedModule::Load(const Request& request) {
    std::vector<std::uint8_t> reply;
    unsigned sum = 0;
    for (std::size_t i = 0; i < request.length; ++i) {
        const std::uint8_t byte = m_memory[(request.address + i) % kMemoryBytes];
        reply.push_back(byte);
        sum += byte;
    }
    reply.push_back(static_cast<std::uint8_t>(-sum));
    const int block = BlockOfAddress(request.address);
    if (Strikes(m_faults.badCheckByte, m_badCheckHits, block)) {
        reply.back() ^= 0x5A;
    }
    if (Strikes(m_faults.shortReply, m_shortReplyHits, block)) {
        reply.pop_back();
    }
    return reply;
}

// A fixed pseudo-random sequence, so a run with noise can be repeated byte for byte.
std::vector<std::uint8_t> SimulatedModule::Noise(std::size_t count) {
    std::vector<std::uint8_t> noise;
    for (std::size_t i = 0; i < count; ++i) {
        m_noiseState ^= m_noiseState << 13;
        m_noiseState ^= m_noiseState >> 17;
        m_noiseState ^= m_noiseState << 5;
        noise.push_back(static_cast<std::uint8_t>(m_noiseState));
    }
    return noise;
}

bool SimulatedModule::Strikes(const BlockFault& fault, int& hits, int block) {
    if (fault.block != block || hits >= fault.times) {
        return false;
    }
    ++hits;
    return true;
}

} // namespace sim
