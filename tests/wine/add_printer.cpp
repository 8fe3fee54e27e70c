// Started by tests/wine/session: sets up the session's printer, a PostScript
// printer of Wine's own driver that writes every job to a file, and makes it
// the default printer.
//   kx_add_printer.exe PPD_PATH OUTPUT_UNIX_PATH
// The printer's description file is copied into the printer driver folder,
// where the spooler looks for a driver's files; the output path becomes a
// port of its own (Wine writes a job for a port that names a Unix file into
// that file).
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>

namespace {

constexpr char kPrinterName[] = "KX310 Test Printer";
constexpr char kDriverName[] = "Wine PostScript Driver";
constexpr char kPpdName[] = "kxprint.ppd";

int Fail(const char* what)
{
    std::fprintf(stderr, "kx_add_printer: %s failed (error %lu)\n", what, GetLastError());
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: kx_add_printer PPD_PATH OUTPUT_UNIX_PATH\n");
        return 2;
    }
    char folder[MAX_PATH] = {};
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder), sizeof folder, &needed))
        return Fail("GetPrinterDriverDirectory");
    const std::string ppd = std::string(folder) + "\\" + kPpdName;
    if (!CopyFileA(argv[1], ppd.c_str(), FALSE))
        return Fail("copying the printer description");

    DRIVER_INFO_3A driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<char*>(kDriverName);
    driver.pDriverPath = const_cast<char*>("wineps.drv");
    driver.pDataFile = const_cast<char*>(kPpdName);
    driver.pConfigFile = const_cast<char*>("wineps.drv");
    driver.pDefaultDataType = const_cast<char*>("RAW");
    if (!AddPrinterDriverA(nullptr, 3, reinterpret_cast<BYTE*>(&driver)))
        return Fail("AddPrinterDriver");

    HKEY ports = nullptr;
    if (RegCreateKeyA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports", &ports))
        return Fail("opening the ports key");
    const LONG set = RegSetValueExA(ports, argv[2], 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
    RegCloseKey(ports);
    if (set)
        return Fail("adding the port");

    PRINTER_INFO_2A info{};
    info.pPrinterName = const_cast<char*>(kPrinterName);
    info.pPortName = argv[2];
    info.pDriverName = const_cast<char*>(kDriverName);
    info.pPrintProcessor = const_cast<char*>("WinPrint");
    info.pDatatype = const_cast<char*>("RAW");
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (!printer && GetLastError() != ERROR_PRINTER_ALREADY_EXISTS)
        return Fail("AddPrinter");
    if (printer)
        ClosePrinter(printer);
    if (!SetDefaultPrinterA(kPrinterName))
        return Fail("SetDefaultPrinter");
    return 0;
}
