#include "resources/dialog_template.h"

#include "resources/resource_ids.h"
#include "resources/templates/templates.h"

#include <stdexcept>
#include <string>

const DialogTemplate& FindDialogTemplate(int templateId) {
    switch (templateId) {
    case IDD_ABOUTBOX:
        return AboutTemplate();
    case IDD_CONSOLE:
        return ConsoleTemplate();
    default:
        throw std::logic_error("no dialog template " + std::to_string(templateId));
    }
}
