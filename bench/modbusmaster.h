#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <vector>

// A free loopback port for the program's Modbus server, handed to it through RVK_SCADA_PORT.
inline quint16 useFreeScadaPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    qputenv("RVK_SCADA_PORT", QByteArray::number(port));
    return port;
}

// A blocking Modbus TCP master on its own thread.
class Master
{
public:
    explicit Master(quint16 port)
    {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a = {};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        timeval tv{8, 0};
        ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        ok_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    }
    ~Master() { ::close(fd_); }
    Master(const Master&) = delete;
    Master& operator=(const Master&) = delete;

    bool connected() const { return ok_; }

    // The response PDU; empty on a broken connection.
    std::vector<unsigned char> ask(const std::vector<unsigned char>& pdu)
    {
        std::vector<unsigned char> frame = {static_cast<unsigned char>(++tid_ >> 8), static_cast<unsigned char>(tid_),
                                            0, 0, 0, static_cast<unsigned char>(pdu.size() + 1), 1};
        frame.insert(frame.end(), pdu.begin(), pdu.end());
        if (!ok_ || ::send(fd_, frame.data(), frame.size(), 0) != static_cast<ssize_t>(frame.size()))
            return {};
        unsigned char head[7];
        if (!receive(head, 7))
            return {};
        const int length = (head[4] << 8) | head[5];
        if (length < 2)
            return {};
        std::vector<unsigned char> out(static_cast<size_t>(length - 1));
        return receive(out.data(), out.size()) ? out : std::vector<unsigned char>();
    }

    int reg(int address)
    {
        const auto r = ask({3, static_cast<unsigned char>(address >> 8), static_cast<unsigned char>(address), 0, 1});
        return r.size() == 4 && r[0] == 3 ? (r[2] << 8) | r[3] : -1;
    }

private:
    bool receive(unsigned char* to, size_t n)
    {
        size_t got = 0;
        while (got < n) {
            const ssize_t k = ::recv(fd_, to + got, n - got, 0);
            if (k <= 0)
                return false;
            got += static_cast<size_t>(k);
        }
        return true;
    }

    int fd_ = -1;
    bool ok_ = false;
    quint16 tid_ = 0;
};
