#pragma once
#include <QString>
#include <QStringList>
#include <QTime>

namespace kx2 {

// What a transfer is about, in the words of the main window's status line: the database's name
// ("Lokomotiven") and its records counted ("%n Lokomotiven"), both marked with
// QT_TRANSLATE_NOOP / QT_TRANSLATE_N_NOOP in the context "TransferSubject".
struct TransferSubject {
    const char* name;
    const char* counted;

    QString nameText() const;
    QString countedText(int n) const;
};

// How a transfer ended, for the status line.
struct TransferReport {
    enum class End {
        Done,          // everything done
        Cancelled,     // the user ended it
        Failed,        // a step failed
        OtherStation,  // a send that the user stopped at the other station's question
    };
    End end = End::Done;
    bool send = false;
    bool checked = false;     // a send read back and compared
    // A send that ended early had written something (for certain, or perhaps).
    bool partlyWritten = false;
    bool maybeWritten = false;
    QString subject;          // the database's name; "" for a run over several
    QStringList counted;      // "20 Lokomotiven", one per database done
};

// The line the main window keeps after a transfer until the next one, in plain words and with
// the time it ended: "20 Lokomotiven gelesen, 17:20", "Magnetartikel: Senden abgebrochen, die
// Zentrale ist teilweise beschrieben, 17:21".
QString transferStatusText(const TransferReport& report, const QTime& at);

} // namespace kx2
