// grt8 against grt8-sim on a pseudo-terminal, and what stops a port opening on a POSIX system.

#include "sample_configuration.h"
#include "tests/core/scratch_serial_devices.h"
#include "tool_fixture.h"
#include "tools/grt8/port_diagnosis.h"
#include "tools/sim_process.h"

#include <cstdlib>
#include <set>

namespace {

// The module's memory: the first 512 bytes of an image.
std::vector<unsigned char> Memory(const ConfigImage& image) {
    return {image.begin(), image.begin() + kModuleMemorySize};
}

// The machine's own serial ports are kept out of the way: COM6 opens the module when there is
// one, the other COM ports nothing.
class ToolModuleTest : public ToolTest {
protected:
    // The steps against a module started with `options` on odd.gr8's memory, which it dumps into
    // memory.bin when it stops.
    std::string WithModule(std::vector<std::string> options, const std::vector<ToolStep>& steps) {
        WriteAllBytes(folder / "odd.bin", Memory(OddConfiguration()));
        options.insert(options.end(), {"--fast", "--memory", (folder / "odd.bin").string(),
                                       "--dump", (folder / "memory.bin").string()});
        SimProcess module(GRT8_SIM_PATH, options);
        EXPECT_FALSE(module.path().empty()) << module.ErrorOutput();
        Mark("$PORT", module.path());
        setenv("GRT8_COM6", module.path().c_str(), 1);
        return Transcript(steps);
    }

    ScratchSerialDevices devices;
};

TEST_F(ToolModuleTest, AModuleReadSentAndComparedWithAFile) {
    std::filesystem::create_directories(folder / ".blocked.gr8.saving" / "occupied");
    ExpectTranscript("module",
                     WithModule({"--version", "G8v3\x1b[2J", "--corrupt-write", "2:1"},
                                {
                                    {{"version", "--port", "com6"}},
                                    {{"read", "-o", "$DIR/read.gr8", "--port", "$PORT"}},
                                    {{"read", "--port", "$PORT", "-o", "$DIR/blocked.gr8"}, true},
                                    {{"send", "--port=$PORT", "$DIR/sample.gr8"}, true},
                                    {{"diff", "$DIR/odd.gr8", "--port", "$PORT"}},
                                    {{"diff", "--port", "com6", "$DIR/odd.gr8"}},
                                    {{"diff", "--port", "$PORT", "--port=COM6"}},
                                }));
    ConfigImage read = OddConfiguration();
    std::fill(read.begin() + kModuleMemorySize, read.end(), 0);
    EXPECT_TRUE(SaveConfiguration(folder / "expected.gr8", read));
    EXPECT_EQ(ReadAllBytes(folder / "read.gr8"), ReadAllBytes(folder / "expected.gr8"));
    EXPECT_FALSE(std::filesystem::exists(folder / "blocked.gr8"));
    ConfigImage sent = SampleConfiguration();
    std::copy_n(read.begin(), 3, sent.begin());
    sent[5] = 0;
    EXPECT_EQ(ReadAllBytes(folder / "memory.bin"), Memory(sent));
}

// A failed read leaves the file it was to write as it was, and nothing beside it. A failed send
// says whether the module may hold part of the file: it may once block 1 was begun.
TEST_F(ToolModuleTest, ModulesThatStopAnsweringOrKeepWrongBytes) {
    const std::vector<unsigned char> sample = ReadAllBytes(folder / "sample.gr8");
    ExpectTranscript(
        "failures",
        WithModule({"--silent"}, {{{"version", "--port", "$PORT"}},
                                  {{"read", "--port", "$PORT", "-o", "$DIR/sample.gr8"}},
                                  {{"diff", "$DIR/sample.gr8", "--port", "$PORT"}},
                                  {{"send", "--port", "$PORT", "$DIR/sample.gr8"}}}) +
            WithModule({"--corrupt-write", "1:4"},
                       {{{"send", "--port", "$PORT", "$DIR/sample.gr8"}, true}}) +
            WithModule({"--hang-up-after", "3"},
                       {{{"send", "--port", "$PORT", "$DIR/sample.gr8"}}}) +
            WithModule({"--hang-up-after", "2"},
                       {{{"read", "--port", "$PORT", "-o", "$DIR/sample.gr8"}, true}}));
    EXPECT_EQ(ReadAllBytes(folder / "sample.gr8"), sample);
    std::set<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        left.insert(entry.path().filename().string());
    }
    EXPECT_EQ(left, (std::set<std::string>{"damaged.gr8", "long\xff.gr8", "memory.bin", "noise.gr8",
                                           "odd.bin", "odd.gr8", "sample.gr8"}));
}

// A USB adapter is COM1, a variable names COM2, and what an adapter says of itself cannot drive
// the terminal. What cannot be made to happen here is explained directly.
TEST_F(ToolModuleTest, PortsAndWhatKeepsThemShut) {
    Mark("$DEV", std::filesystem::path(devices.AddNode("ttyUSB0")).parent_path().string());
    devices.AddStableName("usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0", "ttyUSB0");
    devices.AddUsbTty("ttyUSB0", "FTDI", "FT232R\x1b[2J USB UART", "A10K3XYZ");
    setenv("GRT8_COM2", (folder / "ttyACM5").c_str(), 1);
    std::string transcript = Transcript({
        {{"ports"}},
        {{"ports", "--json"}},
        {{"version", "--port", "COM1"}},
        {{"version", "--port", "COM2"}},
        {{"version", "--port", "COM3"}},
        {{"version", "--port", "$DIR/no-such-device"}},
        {{"version", "--port", "null"}},
        {{"version", "--port", "COM12"}},
        {{"version", "--port", "COM0"}},
        {{"show", "$DIR/missing.gr8"}},
        {{"show", "$DIR"}},
        {{"send", "--port", "COM3", "--", "-a b.gr8"}},
        {{"--help"}},
    });
    const ModulePort device = ModulePort::Device("/dev/null");
    for (const PortOpenReason reason : {PortOpenReason::NoSuchDevice, PortOpenReason::AccessDenied,
                                        PortOpenReason::InUse, PortOpenReason::Other}) {
        transcript += ExplainPortOpenFailure(device, {reason, "Input/output error"}) + "\n";
    }
    ExpectTranscript("ports", transcript);
}

} // namespace
