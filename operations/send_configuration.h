#pragma once

#include "config/config_image.h"
#include "link/module_link.h"
#include "operations/module_port.h"
#include "operations/operation_log.h"
#include "operations/operation_result.h"

// Writes image bytes 3-511 into the module block by block, checks each block by reading it
// back (up to four attempts a block), and restarts the module once all four are verified.
// Sets image byte 5 to 0 before each write of the first block.
OperationResult SendConfiguration(CModuleLink& link, ConfigImage& image, const ModulePort& port,
                                  OperationLog& log);
