// Cost of one VFXGetTracking of the opentrack bridge: with nothing waiting, and with the socket's
// receive buffer filled to the brim with poses, where one read takes at most 256 of them.
#include "BuildTree.h"

#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {
constexpr u_short Port = 47425;
constexpr int Flood = 20000; // datagrams sent to fill a buffer; far more than one holds
constexpr int Runs = 15;

using GetTracking = int32_t(__cdecl*)(int32_t*, int32_t*, int32_t*);
using Call = int32_t(__cdecl*)();

template <class Function>
Function Entry(HMODULE library, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

double Nanoseconds(LONGLONG ticks)
{
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(ticks) * 1e9 / static_cast<double>(frequency.QuadPart);
}

sockaddr_in Loopback(u_short port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

void SendFlood(SOCKET sender, u_short port)
{
    const double pose[6] = {0, 0, 0, 1.5, -2.5, 0};
    const sockaddr_in to = Loopback(port);
    for (int i = 0; i < Flood; ++i)
        sendto(sender, reinterpret_cast<const char*>(pose), sizeof pose, 0, reinterpret_cast<const sockaddr*>(&to),
               sizeof to);
}

// How many poses a UDP socket with the system's default receive buffer holds, as the bridge's does.
int BufferCapacity(SOCKET sender)
{
    SOCKET probe = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    const sockaddr_in local = Loopback(Port + 1);
    bind(probe, reinterpret_cast<const sockaddr*>(&local), sizeof local);
    u_long nonBlocking = 1;
    ioctlsocket(probe, FIONBIO, &nonBlocking);
    SendFlood(sender, Port + 1);
    int held = 0;
    char datagram[64];
    while (recv(probe, datagram, sizeof datagram, 0) > 0)
        ++held;
    closesocket(probe);
    return held;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double TimeRead(GetTracking read)
{
    int32_t x = 0, y = 0, z = 0;
    LARGE_INTEGER start{}, end{};
    QueryPerformanceCounter(&start);
    read(&x, &y, &z);
    QueryPerformanceCounter(&end);
    return Nanoseconds(end.QuadPart - start.QuadPart);
}
}

int main()
{
    // A copy of the bridge beside settings of its own, off opentrack's port.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "nodlink-bridge-bench\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyFileA((BuildTreeFolder("program") + "bridge\\VFXDrive.dll").c_str(), (folder + "VFXDrive.dll").c_str(), FALSE);
    WritePrivateProfileStringA("Bridge", "Port", std::to_string(Port).c_str(), (folder + "VFXBridge.ini").c_str());
    HMODULE bridge = LoadLibraryA((folder + "VFXDrive.dll").c_str());
    if (!bridge) {
        std::fprintf(stderr, "The bridge did not load (VFXDrive.dll in ..\\program\\bridge).\n");
        return 1;
    }
    const auto open = Entry<Call>(bridge, "VFXOpen");
    const auto close = Entry<Call>(bridge, "VFXClose");
    const auto read = Entry<GetTracking>(bridge, "VFXGetTracking");
    WSADATA data{};
    WSAStartup(MAKEWORD(2, 2), &data);
    SOCKET sender = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    const int capacity = BufferCapacity(sender);
    if (open() != 1)
        return 1;

    std::vector<double> empty, full, readsToDrain;
    for (int run = 0; run < Runs; ++run) {
        for (int i = 0; i < 1000; ++i)
            empty.push_back(TimeRead(read));
        SendFlood(sender, Port);
        full.push_back(TimeRead(read));
        int reads = 1;
        while (TimeRead(read) > 4 * Median(empty))
            ++reads;
        readsToDrain.push_back(reads);
    }
    close();
    FreeLibrary(bridge);
    DeleteFileA((folder + "VFXDrive.dll").c_str());
    DeleteFileA((folder + "VFXBridge.ini").c_str());
    RemoveDirectoryA(folder.c_str());

    std::printf("VFXGetTracking of the opentrack bridge, median of %d runs\n\n", Runs);
    std::printf("%-40s %10.0f ns\n", "empty socket", Median(empty));
    std::printf("%-40s %10.0f ns\n", "full receive buffer (reads 256 poses)", Median(full));
    std::printf("\nThe receive buffer held %d poses of %d sent; reads until empty: %.0f\n", capacity, Flood,
                Median(readsToDrain));
    closesocket(sender);
    WSACleanup();
    return 0;
}
