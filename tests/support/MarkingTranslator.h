#pragma once
#include <QTranslator>

namespace kx2::test {

// A translation that wraps every text it is asked for in ⟦ ⟧, so that a test can tell a text that
// went through tr()/translate() from one that reached the screen or the terminal without.
class MarkingTranslator : public QTranslator {
public:
    static inline const QString Open = QStringLiteral("\u27E6");
    static inline const QString Close = QStringLiteral("\u27E7");

    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char* = nullptr, int = -1) const override
    {
        return Open + QString::fromUtf8(source) + Close;
    }
};

} // namespace kx2::test
