#pragma once
// The UDP socket that poses arrive at, non-blocking and bound exclusively, with the Winsock
// start-up it needs; both are released with the object.
#include <winsock2.h>

#include <cstdint>
#include <string>

class PoseSocket {
public:
    PoseSocket();
    ~PoseSocket();
    PoseSocket(const PoseSocket&) = delete;
    PoseSocket& operator=(const PoseSocket&) = delete;

    // 0 once bound to the IPv4 ADDRESS and PORT, else the system's error code.
    int Bind(const std::string& address, uint16_t port);
    // Copies the next waiting datagram into BUFFER and gives its size; a longer one is cut to
    // CAPACITY bytes. -1 when nothing is waiting.
    int Receive(unsigned char* buffer, int capacity);

private:
    int startupError;
    SOCKET socket = INVALID_SOCKET;
};
