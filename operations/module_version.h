#pragma once

#include "link/module_link.h"
#include "operations/operation_log.h"

// Makes contact with the module and shows its answer to the version command in the log.
void ShowModuleVersion(CModuleLink& link, char comDigit, OperationLog& log);
