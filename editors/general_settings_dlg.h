#pragma once

#include "config/config_image.h"
#include "editors/flag_codec.h"
#include "platform/dialog.h"

#include <string>

// Edits the general part of the configuration: the SMS centre and telephone numbers, the SIM
// PIN and network, the SMS limit, the periodic report, the two thermostats, the temperature
// notifications, disarming, the siren and the output remanence. It reads the image each time it
// is shown and writes it only on an accepted OK.
class CGeneralSettingsDlg : public CDialog {
public:
    explicit CGeneralSettingsDlg(CDialog* parent = nullptr);

    void SetImage(ConfigImage* image) { m_pImage = image; }

    std::string m_strSmscNumber;
    std::string m_strPhone1;
    std::string m_strPhone2;
    std::string m_strPhone3;
    std::string m_strPin;
    int m_nNetworkCode = 0;
    int m_nSmsLimit = 0;
    int m_nReportPeriod = 0;
    int m_nThermostat1Low = 0;
    int m_nThermostat1High = 0;
    int m_nThermostat2Low = 0;
    int m_nThermostat2High = 0;
    int m_nSirenTime = 0;
    // The eight switches of one byte, bit 0 first: SMS limit, periodic report, thermostat T1,
    // disarming by L1, siren, notifications of T1 and T2, output remanence.
    SwitchBits m_switches{};
    bool m_bThermostat2Active = false;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    void OnShowWindow() override;
    void OnOK() override;

private:
    void PutOperatorNumber(const std::string& smscNumber);
    void LoadFromImage(const ConfigImage& image);
    void StoreIntoImage(ConfigImage& image) const;

    ConfigImage* m_pImage = nullptr;
};
