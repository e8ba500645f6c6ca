#include "BindFailure.h"

#include <winsock2.h>
#include <windows.h>

#include <string>

namespace {
// Plain words for what goes wrong most; Wine, for one, has no text for socket errors.
const char* CommonReason(int error)
{
    switch (error) {
    case WSAEADDRINUSE:
        return "Another program already uses this port.";
    case WSAEADDRNOTAVAIL:
        return "This PC has no such address.";
    case WSAEACCES:
        return "Windows does not let Nodlink use this port.";
    default:
        return nullptr;
    }
}

std::string SystemReason(int error)
{
    const std::string code = "Windows error " + std::to_string(error);
    if (const char* reason = CommonReason(error))
        return std::string(reason) + " (" + code + ")";
    char text[256] = {};
    DWORD size = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                static_cast<DWORD>(error), 0, text, sizeof text, nullptr);
    while (size > 0 && (text[size - 1] == '\n' || text[size - 1] == '\r' || text[size - 1] == ' '))
        --size;
    return size > 0 ? std::string(text, size) + " (" + code + ")" : code + ".";
}
}

void ShowBindFailure(const BridgeSettings& settings, int error)
{
    const std::string text = "The opentrack bridge cannot receive head poses on UDP port " +
                             std::to_string(settings.port) + " at " + settings.listen + ":\n\n" + SystemReason(error) +
                             "\n\nThe pointer will not move. Close the program that uses this port, or set another "
                             "Port in VFXBridge.ini; then press Stop and Activate.";
    MessageBoxA(GetActiveWindow(), text.c_str(), "Nodlink", MB_OK | MB_ICONERROR);
}
