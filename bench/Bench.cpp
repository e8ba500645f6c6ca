// Prints the figures that the README's "Measuring" promises; asserts nothing about time.
//
//   bench [pointer-step] [bridge] [dialog]      (all three when none is named)
#include "Bench.h"
#include "BuildTree.h"
#include "PointerStep.h"
#include "TemporaryFolder.h"
#include "TrackerDriver.h"

#include <winsock2.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace {
UINT WINAPI DiscardInput(UINT count, LPINPUT, int)
{
    return count;
}

// Cost of PointerStep with the simulated headset: nanoseconds per step, once with the real
// SendInput and once with the event discarded, and the heap allocations of the steps.
void PointerStepFigures()
{
    constexpr int StepsPerRun = 100000, Runs = 7;
    POINT cursor{};
    GetCursorPos(&cursor);
    // Closed however the open went, as a failed open may leave one of the DLLs loaded.
    const Finally restore{[cursor] {
        CloseTracker();
        SendPointerInput = SendInput;
        SetCursorPos(cursor.x, cursor.y);
    }};
    SetDllDirectoryA(BuildTreeFolder("program").c_str());
    if (!OpenTracker())
        throw std::runtime_error("the simulated headset did not open (VFXDrive.dll, VFXDraw.dll in ..\\..\\program)");
    MappingParameters = {false, true, true, 10, 10, 0, 0};
    std::printf("PointerStep, relative mode, simulated headset: %d runs of %d steps\n\n", Runs, StepsPerRun);
    std::printf("%-10s %12s %10s %10s %14s %12s\n", "send", "median ns", "fastest", "slowest", "operator new",
                "heap calls");
    for (const auto& [name, send] : {std::pair{"SendInput", &SendInput}, std::pair{"no-op", &DiscardInput}}) {
        SendPointerInput = send;
        std::vector<double> perStep(Runs);
        const Allocations before = allocationsSoFar;
        for (double& nanoseconds : perStep) {
            int32_t shownX = 0, shownY = 0;
            const Clock::time_point start = Clock::now();
            for (int step = 0; step < StepsPerRun; ++step)
                PointerStep(shownX, shownY);
            nanoseconds = SecondsSince(start) * 1e9 / StepsPerRun;
        }
        const Allocations steps = allocationsSoFar - before;
        std::printf("%-10s %12.0f %10.0f %10.0f %14llu %12llu\n", name, Percentile(perStep, 0.5),
                    Percentile(perStep, 0), Percentile(perStep, 1), steps.operatorNew, steps.heapCalls);
    }
    std::printf("\nns per step; counted during the steps:\n  %s\n", WhatAllocationsCount);
}

template <class Function>
Function Entry(HMODULE bridge, const char* name)
{
    if (FARPROC entry = bridge ? GetProcAddress(bridge, name) : nullptr)
        return reinterpret_cast<Function>(reinterpret_cast<void*>(entry));
    throw std::runtime_error(std::string("no ") + name + " in the bridge (..\\..\\program\\bridge\\VFXDrive.dll)");
}

// Cost of one VFXGetTracking of the opentrack bridge: with nothing waiting, and with the
// socket's receive buffer filled to the brim with poses, where one read takes at most 256.
void BridgeFigures()
{
    constexpr u_short Port = 47425;         // off opentrack's
    constexpr int Runs = 15, Flood = 20000; // datagrams in a flood: far more than a buffer holds
    const TemporaryFolder folder;           // a copy of the bridge beside settings of its own
    folder.CopyIn(BuildTreeFolder("program\\bridge"), "VFXDrive.dll");
    folder.Write("VFXBridge.ini", "[Bridge]\r\nPort=" + std::to_string(Port) + "\r\n");
    const std::unique_ptr<HINSTANCE__, decltype(&FreeLibrary)> bridge(
        LoadLibraryA((folder.Path() + "VFXDrive.dll").c_str()), FreeLibrary);
    const auto open = Entry<int32_t(__cdecl*)()>(bridge.get(), "VFXOpen");
    const auto close = Entry<int32_t(__cdecl*)()>(bridge.get(), "VFXClose");
    const auto read = Entry<int32_t(__cdecl*)(int32_t*, int32_t*, int32_t*)>(bridge.get(), "VFXGetTracking");
    WSADATA winsock{};
    WSAStartup(MAKEWORD(2, 2), &winsock);
    // It has the system's default receive buffer, as the bridge's socket, and floods itself
    // first to count how many poses that holds.
    const SOCKET sender = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    const Finally closeSender{[sender] { closesocket(sender), WSACleanup(); }};
    sockaddr_in to{AF_INET, htons(Port + 1), {}, {}};
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(sender, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    const auto flood = [&] {
        const double pose[6] = {0, 0, 0, 1.5, -2.5, 0};
        for (int i = 0; i < Flood; ++i)
            sendto(sender, reinterpret_cast<const char*>(pose), sizeof pose, 0, reinterpret_cast<const sockaddr*>(&to),
                   sizeof to);
    };
    flood();
    int held = 0;
    char datagram[64];
    for (u_long waiting = 0; ioctlsocket(sender, FIONREAD, &waiting) == 0 && waiting > 0; ++held)
        recv(sender, datagram, sizeof datagram, 0);
    to.sin_port = htons(Port); // from now on, floods go to the bridge

    if (open() != 1)
        throw std::runtime_error("the bridge did not open its socket");
    const auto timedRead = [read] {
        int32_t x = 0, y = 0, z = 0;
        const Clock::time_point start = Clock::now();
        read(&x, &y, &z);
        return SecondsSince(start) * 1e9;
    };
    std::vector<double> empty, full, readsToDrain;
    for (int run = 0; run < Runs; ++run) {
        for (int i = 0; i < 1000; ++i)
            empty.push_back(timedRead());
        flood();
        full.push_back(timedRead());
        int reads = 1;
        while (timedRead() > 4 * Percentile(empty, 0.5))
            ++reads;
        readsToDrain.push_back(reads);
    }
    close();
    std::printf("VFXGetTracking of the opentrack bridge, median of %d runs\n\n", Runs);
    std::printf("%-40s %10.0f ns\n", "empty socket", Percentile(empty, 0.5));
    std::printf("%-40s %10.0f ns\n", "full receive buffer (reads 256 poses)", Percentile(full, 0.5));
    std::printf("\nThe receive buffer held %d poses of %d sent; reads until empty: %.0f\n", held, Flood,
                Percentile(readsToDrain, 0.5));
}

const std::pair<std::string_view, void (*)()> Groups[] = {
    {"pointer-step", PointerStepFigures}, {"bridge", BridgeFigures}, {"dialog", DialogFigures}};
}

int main(int argc, char** argv)
{
    const std::vector<std::string_view> named(argv + 1, argv + argc);
    for (const std::string_view name : named)
        if (std::none_of(std::begin(Groups), std::end(Groups),
                         [&](const auto& group) { return group.first == name; })) {
            std::fprintf(stderr, "bench: no group %s; bench [pointer-step] [bridge] [dialog]\n", name.data());
            return 2;
        }
    StartCountingAllocations();
    try {
        for (const auto& [name, print] : Groups)
            if (named.empty() || std::find(named.begin(), named.end(), name) != named.end())
                print(), std::printf("\n");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
