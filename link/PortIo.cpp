#include "link/PortIo.h"

namespace kx2 {

int RecordingPortIo::Inp32(int port)
{
    int value = 0;
    for (const auto& r : m_registers)
        if (r.first == port)
            value = r.second;
    accesses.push_back({false, port, value});
    return value;
}

void RecordingPortIo::Out32(int port, int value)
{
    accesses.push_back({true, port, value});
    setRegister(port, value);
}

void RecordingPortIo::setRegister(int port, int value)
{
    for (auto& r : m_registers)
        if (r.first == port) {
            r.second = value;
            return;
        }
    m_registers.emplace_back(port, value);
}

} // namespace kx2
