#include "config/image_layout.h"
#include "editors/flag_codec.h"
#include "tools/grt8/report_fields.h"
#include "tools/grt8/report_sections.h"

#include <string_view>

namespace {

std::vector<std::string> Telephones(std::uint8_t flags, bool withAnyNumber) {
    std::vector<std::string> names;
    for (const int bit : kTelephoneBits) {
        if (IsBitSet(flags, bit)) {
            names.push_back("TEL" + std::to_string(bit + 1));
        }
    }
    if (withAnyNumber && IsBitSet(flags, kAnyNumberBit)) {
        names.emplace_back("DOWOLNY");
    }
    return names;
}

} // namespace

ReportSection ReportsControlSection(const ConfigImage& image) {
    const std::uint8_t reports = image[kReportFlagsOffset];
    const std::uint8_t clip = image[kClipFlagsOffset];
    const std::uint8_t smsControl = image[kSmsControlFlagsOffset];
    return {
        "Ustawienia raportów i sterowania",
        {
            ListField("report.phones", "Raport wysyłany na telefony", Telephones(reports, false)),
            ListField("clip.phones", "Przyjmow. CLIP z telefonów", Telephones(clip, true)),
            ListField("smsControl.phones", "Sterowanie SMS z telefonów",
                      Telephones(smsControl, true)),
            SwitchField("reportPowerSource", "Raportuj zmianę źródła zasilania",
                        IsBitSet(reports, kPowerSourceBit), kYesNo),
            SwitchField("reportOutputs", "Raportuj zmianę stanu wyjść",
                        IsBitSet(reports, kOutputsBit), kYesNo),
            SwitchField("pulseO2AfterClip", "Generuj impuls O2 po odebr. CLIP",
                        IsBitSet(clip, kPulseO2Bit), kYesNo),
            SwitchField("ignoreInputsAtStart", "Ignoruj stan wejść przy starcie programu",
                        IsBitSet(clip, kIgnoreInputsBit), kYesNo),
        }};
}
