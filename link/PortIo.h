#pragma once
#include <QString>
#include <vector>

namespace kx2 {

// Direct access to a UART's registers (Inp32/Out32), used only to run the serial LocoNet
// interface on COM1/COM2 at the LocoNet bit rate. Where no such access exists the link
// asks the serial driver for a custom baud rate instead.
class PortIo {
public:
    virtual ~PortIo() = default;
    virtual bool available() const = 0;
    virtual int Inp32(int port) = 0;
    virtual void Out32(int port, int value) = 0;
};

// No register access (the usual case on a modern system).
class NoPortIo : public PortIo {
public:
    bool available() const override { return false; }
    int Inp32(int) override { return 0; }
    void Out32(int, int) override {}
};

// Records every register access; reads return the values set by setRegister (0 otherwise).
class RecordingPortIo : public PortIo {
public:
    struct Access {
        bool write;
        int port;
        int value;
        bool operator==(const Access& o) const { return write == o.write && port == o.port && value == o.value; }
    };
    bool available() const override { return true; }
    int Inp32(int port) override;
    void Out32(int port, int value) override;
    void setRegister(int port, int value);

    std::vector<Access> accesses;

private:
    std::vector<std::pair<int, int>> m_registers;
};

} // namespace kx2
