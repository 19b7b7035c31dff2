#pragma once

// A pseudo-terminal pair: the program opens the slave end as its serial port, and the test
// reads what arrives at the master end.

#include <poll.h>
#include <pty.h>
#include <unistd.h>
#include <QString>

#include <vector>

class PseudoTerminal {
public:
    PseudoTerminal() { opened_ = openpty(&master_, &slave_, name_, nullptr, nullptr) == 0; }
    ~PseudoTerminal() {
        if (opened_) {
            ::close(master_);
            ::close(slave_);
        }
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool IsOpen() const { return opened_; }
    /// "com N" opens this line. The slave end stays open here, so the line never hangs up
    /// between sends.
    void Route(int portNumber) const {
        qputenv(qPrintable(QStringLiteral("SOLVA_TX_COM%1").arg(portNumber)), name_);
    }

    /// Everything that has arrived, once nothing more comes for 200 ms.
    std::vector<int> ReadAll() const {
        std::vector<int> bytes;
        pollfd ready{master_, POLLIN, 0};
        unsigned char buffer[1024];
        ssize_t n = 0;
        while (poll(&ready, 1, 200) == 1 && (n = ::read(master_, buffer, sizeof buffer)) > 0) {
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    char name_[256] = {};
    bool opened_ = false;
};
