#pragma once

// A pseudo-terminal pair: the program opens the slave end as its serial port, and the test
// reads what arrives at the master end.

#include <poll.h>
#include <pty.h>
#include <unistd.h>
#include <QString>

#include <string>
#include <vector>

class PseudoTerminal {
public:
    PseudoTerminal() {
        char name[256];
        if (openpty(&master_, &slave_, name, nullptr, nullptr) == 0) {
            slaveName_ = name;
        }
    }
    ~PseudoTerminal() {
        for (int fd : {master_, slave_}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool IsOpen() const { return master_ >= 0; }
    /// "com N" opens this line. The slave end stays open here, so the line never hangs up
    /// between sends.
    void Route(int portNumber) const {
        qputenv(qPrintable(QStringLiteral("SOLVA_TX_COM%1").arg(portNumber)),
                QByteArray::fromStdString(slaveName_));
    }

    /// Everything that has arrived, once nothing more comes for 200 ms.
    std::vector<int> ReadAll() const {
        std::vector<int> bytes;
        pollfd ready{master_, POLLIN, 0};
        while (poll(&ready, 1, 200) == 1 && (ready.revents & POLLIN)) {
            unsigned char buffer[1024];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slaveName_;
};
