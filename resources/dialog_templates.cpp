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
    case IDD_GENERAL_SETTINGS:
        return GeneralSettingsTemplate();
    case IDD_SMS_TEXTS:
        return SmsTextsTemplate();
    case IDD_VARIABLE_CODES:
        return VariableCodesTemplate();
    case IDD_REPORTS_CONTROL:
        return ReportsControlTemplate();
    case IDD_LINE_SETTINGS:
        return LineSettingsTemplate();
    default:
        throw std::logic_error("no dialog template " + std::to_string(templateId));
    }
}
