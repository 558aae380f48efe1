#include "core/printing/ReceiptPrinter.h"
#include "core/state/Options.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

TEST(PrinterPortTest, PortaImpWinsOverThePlatformsPort)
{
    Options options;
#ifdef _WIN32
    EXPECT_EQ(printerPort(options), "LPT1:");
#else
    EXPECT_EQ(printerPort(options), "/dev/usb/lp0");
#endif
    options.PortaImp = "  COM2 ";
    EXPECT_EQ(printerPort(options), "COM2");
}

TEST(PrinterPortTest, DevicesOpenByTheirWindowsDeviceName)
{
    const struct {
        const char* port;
        const char* opened;
    } cases[] = {
        {"LPT1:", "\\\\.\\LPT1"},
        {"lpt2", "\\\\.\\LPT2"},
        {" COM3: ", "\\\\.\\COM3"},
        {"PRN", "\\\\.\\PRN"},
        {"aux:", "\\\\.\\AUX"},
        // Not devices: files, shared printers, names that only start like a port.
        {"LPT0", "LPT0"},
        {"LPT10", "LPT10"},
        {"COM", "COM"},
        {"C:\\recibo.txt", "C:\\recibo.txt"},
        {"\\\\servidor\\impressora", "\\\\servidor\\impressora"},
        {"recibos\\LPT1.txt", "recibos\\LPT1.txt"},
        {"/dev/usb/lp0", "/dev/usb/lp0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(windowsDevicePath(c.port), c.opened) << c.port;
    }
}

} // namespace
} // namespace tavolim::core
