#include "PoseSocket.h"

#include <ws2tcpip.h>

PoseSocket::PoseSocket()
{
    WSADATA data{};
    startupError = WSAStartup(MAKEWORD(2, 2), &data);
}

PoseSocket::~PoseSocket()
{
    if (socket != INVALID_SOCKET)
        closesocket(socket);
    if (startupError == 0)
        WSACleanup();
}

int PoseSocket::Bind(const std::string& address, uint16_t port)
{
    if (startupError != 0)
        return startupError;
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    if (inet_pton(AF_INET, address.c_str(), &local.sin_addr) != 1)
        return WSAEFAULT;
    socket = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    u_long nonBlocking = 1;
    // Exclusive: listening at 0.0.0.0, no other program may bind one address of ours on the
    // same port and take the poses.
    const BOOL exclusive = TRUE;
    if (socket == INVALID_SOCKET || ioctlsocket(socket, FIONBIO, &nonBlocking) != 0 ||
        setsockopt(socket, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive),
                   sizeof exclusive) != 0 ||
        bind(socket, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0)
        return WSAGetLastError();
    // Room for seconds of poses, so that ticks held up by a busy system still find every pose
    // sent meanwhile: a gap in them would be a step too large for a head, and a step that moves
    // nothing. The system may grant less; it is no error.
    const int receiveBuffer = 1 << 20;
    setsockopt(socket, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&receiveBuffer), sizeof receiveBuffer);
    return 0;
}

int PoseSocket::Receive(unsigned char* buffer, int capacity)
{
    const int size = recv(socket, reinterpret_cast<char*>(buffer), capacity, 0);
    if (size != SOCKET_ERROR)
        return size;
    return WSAGetLastError() == WSAEMSGSIZE ? capacity : -1;
}
