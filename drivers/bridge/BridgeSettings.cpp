#include "BridgeSettings.h"

#include "SettingValue.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

namespace {
constexpr char Section[] = "Bridge";

std::string IniPath()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ReadBridgeSettings), &module);
    char path[MAX_PATH] = {};
    const std::string dll(path, GetModuleFileNameA(module, path, MAX_PATH));
    return dll.substr(0, dll.find_last_of("\\/") + 1) + "VFXBridge.ini";
}

std::string Value(const std::string& iniPath, const char* key)
{
    char text[64] = {};
    return std::string(text, GetPrivateProfileStringA(Section, key, "", text, sizeof text, iniPath.c_str()));
}

int32_t Number(const std::string& iniPath, const char* key, int32_t min, int32_t max, int32_t fallback)
{
    return ParseWholeNumber(Value(iniPath, key), min, max).value_or(fallback);
}

int32_t Sign(const std::string& iniPath, const char* key)
{
    return Number(iniPath, key, -1, 1, 1) == -1 ? -1 : 1;
}

bool IsIPv4Address(const std::string& text)
{
    in_addr address{};
    return inet_pton(AF_INET, text.c_str(), &address) == 1;
}
}

BridgeSettings ReadBridgeSettings()
{
    const std::string iniPath = IniPath();
    BridgeSettings settings;
    settings.port = static_cast<uint16_t>(Number(iniPath, "Port", 1, 65535, settings.port));
    if (const std::string listen = Value(iniPath, "Listen"); IsIPv4Address(listen))
        settings.listen = listen;
    settings.scale.unitsPerDegree = Number(iniPath, "UnitsPerDegree", 1, 10000, settings.scale.unitsPerDegree);
    settings.scale.yawSign = Sign(iniPath, "YawSign");
    settings.scale.pitchSign = Sign(iniPath, "PitchSign");
    settings.timeoutMs =
        static_cast<uint32_t>(Number(iniPath, "TimeoutMs", 1, 60000, static_cast<int32_t>(settings.timeoutMs)));
    return settings;
}
