#pragma once
// VFXBridge.ini beside the bridge's DLLs. A missing file or key gives the default, and so does
// a value that is not one the setting can take.
#include "PoseStream.h"

#include <cstdint>
#include <string>

struct BridgeSettings {
    uint16_t port = 4242;             // opentrack's own default
    std::string listen = "127.0.0.1"; // an IPv4 address of this PC; 0.0.0.0 is every one
    AngleScale scale{100, 1, 1};
    uint32_t timeoutMs = 500;
};

// Reads the file beside the module that holds this code, wherever the current directory is.
BridgeSettings ReadBridgeSettings();
