#pragma once

#include "link/module_link.h"
#include "operations/module_port.h"
#include "operations/operation_log.h"
#include "operations/operation_result.h"

// Makes contact with the module and shows its answer to the version command in the log.
OperationResult ShowModuleVersion(CModuleLink& link, const ModulePort& port, OperationLog& log);
