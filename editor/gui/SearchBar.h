#pragma once
#include <QWidget>

class QLabel;
class QLineEdit;

namespace kx2 {

// The editors' search line: "Suchen:", the box the user types into and, beside it, "nicht
// gefunden" when nothing matches (never a message box). What it finds is the editor's business
// (GridSearch); the bar only says what the user asked for.
class SearchBar : public QWidget {
    Q_OBJECT
public:
    explicit SearchBar(QWidget* parent = nullptr);

    QLineEdit* SuchText() const { return m_text; }
    QLabel* SuchStatus() const { return m_status; }
    QString text() const;
    // Shown with the focus in the box, what it held selected so that typing replaces it.
    void open();
    // "nicht gefunden" beside the box, and the box tinted, when nothing matched.
    void showFound(bool found);

    static QString notFoundText();

Q_SIGNALS:
    // Something was typed or removed: look from the current cell on.
    void typed(const QString& text);
    // Enter (back: Shift+Enter): the next match.
    void step(bool back);
    // Escape: the bar closed.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QLineEdit* m_text;
    QLabel* m_status;
};

} // namespace kx2
