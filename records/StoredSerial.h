#pragma once
#include <QString>
#include <array>
#include <optional>
#include <stdexcept>

namespace kx2 {

// The identity of the command station the tables were read from or loaded for: the four
// values ReadSerialNumber returns, numbered 1..4 as the program numbers them. A value that
// was never read is empty. All databases share one instance; the sends compare it with the
// connected device before they write.
class StoredSerial {
public:
    static constexpr int Count = 4;

    // n = 1..4
    std::optional<int> value(int n) const { return m_values[index(n)]; }
    void set(int n, std::optional<int> v) { m_values[index(n)] = v; }

    // The four values a session read from the connected station.
    static StoredSerial of(const std::array<int, Count>& ids)
    {
        StoredSerial s;
        for (int n = 1; n <= Count; ++n)
            s.set(n, ids[size_t(n - 1)]);
        return s;
    }

    // The serial number as the station shows it; "" while a value was never read.
    QString numberText() const;
    // Every value was read: the station is known.
    bool known() const { return !numberText().isEmpty(); }

    bool operator==(const StoredSerial& o) const { return m_values == o.m_values; }
    bool operator!=(const StoredSerial& o) const { return !(*this == o); }

private:
    static size_t index(int n)
    {
        if (n < 1 || n > Count)
            throw std::out_of_range("StoredSerial: values are numbered 1..4");
        return size_t(n - 1);
    }
    std::array<std::optional<int>, Count> m_values{};
};

} // namespace kx2
