#pragma once

namespace kx2 {

// Sets a flag while it lives and then gives it back the value it had, so that a handler running
// inside another (a name stored while a column dialog's answer is applied) leaves the outer
// one's flag set.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : m_flag(flag), m_was(flag) { flag = true; }
    ~FlagScope() { m_flag = m_was; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
    bool m_was;
};

} // namespace kx2
