#pragma once

#include <cstdint>
#include <span>

// The GSM network code, 0 meaning that the module chooses the network itself. Erased memory
// (0xFFFF) is read as that automatic choice too.
int DecodeNetworkCode(std::span<const std::uint8_t, 2> bytes);
void EncodeNetworkCode(int code, std::span<std::uint8_t, 2> bytes);
