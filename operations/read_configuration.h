#pragma once

#include "config/config_image.h"
#include "link/module_link.h"
#include "operations/module_port.h"
#include "operations/operation_log.h"
#include "operations/operation_result.h"

#include <filesystem>
#include <optional>

// Reads the module's 512 bytes into image bytes 0-511. The blocks are gathered apart from the
// image and copied in only when all four arrived, so a read that fails part-way never leaves a
// configuration made of two modules' halves. With rawDumpPath set, a complete read also writes
// the 512 bytes there, raw.
OperationResult ReadConfiguration(CModuleLink& link, ConfigImage& image, const ModulePort& port,
                                  OperationLog& log,
                                  const std::optional<std::filesystem::path>& rawDumpPath);
