#include "resources/strings.h"

#include "resources/resource_ids.h"

std::string_view LoadResourceString(int stringId) {
    return stringId == IDS_ABOUTBOX ? "&About konsola_grt8..." : "";
}
