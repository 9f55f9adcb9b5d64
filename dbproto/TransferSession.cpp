#include "dbproto/TransferSession.h"

#include "dbproto/DatabaseContext.h"
#include "dbproto/DbProtocol.h"
#include "dbproto/StoredSerial.h"
#include "link/LocoNetLink.h"
#include "link/ResultText.h"
#include "link/SerialInterface.h"
#include "shell/UserDialogs.h"

namespace kx2 {

namespace {
// The product name in the questions, the same for both brands.
const QString kStation = QStringLiteral("TQ7");
const QString kReadErrorTitle = QStringLiteral("Fehler beim Lesen der Datenbank");
const QString kWriteErrorTitle = QStringLiteral("Fehler beim Schreiben der Datenbank");
} // namespace

TransferSession::TransferSession(DatabaseContext& ctx, Direction direction) : m_ctx(ctx), m_direction(direction)
{
    if (m_direction == Direction::Read)
        m_ctx.mainControls.DisableMainControls();
}

TransferSession::~TransferSession()
{
    release();
}

void TransferSession::release()
{
    if (m_released)
        return;
    m_released = true;
    if (m_accessOpen) {
        m_accessOpen = false;
        int ignored = 0;
        m_ctx.db.EndBootloader(ignored);
    }
    m_ctx.iface.ClosePort();
    if (m_direction == Direction::Read)
        m_ctx.mainControls.EnableMainControls();
}

bool TransferSession::connect()
{
    if (ok())
        m_ctx.iface.ConnectInterface(m_result);
    return ok();
}

void TransferSession::showProgress()
{
    m_ctx.progress.show();
    stepText(QStringLiteral(" Datenbank öffnen"));
}

bool TransferSession::openAccess()
{
    if (!ok())
        return false;
    m_ctx.db.StartBootloader(m_result);
    if (!ok())
        return false;
    m_accessOpen = true;
    m_ctx.link.clearRing();
    m_ctx.link.Pause(1);
    m_ctx.db.DisplayClear(m_result);
    if (ok())
        m_ctx.db.DisplaySetCursor(10, 50, m_result);
    if (ok())
        m_ctx.db.DisplayWriteText(m_direction == Direction::Read ? QStringLiteral("Datenbank lesen")
                                                                 : QStringLiteral("Datenbank schreiben"),
                                  m_result);
    return ok();
}

bool TransferSession::readSerial(std::array<int, 4>& ids)
{
    if (!ok())
        return false;
    stepText(QStringLiteral(" Seriennummer lesen"));
    ids = {-1, -1, -1, -1};
    m_ctx.db.ReadSerialNumber(m_serial, ids[0], ids[1], ids[2], ids[3], m_result);
    if (m_direction == Direction::Read)
        for (int k = 0; k < 4; ++k)
            m_ctx.storedSerial.set(k + 1, ok() ? std::optional<int>(ids[size_t(k)]) : std::nullopt);
    // A failed exchange names no step of its own: the message says "Seriennummer lesen:".
    if (!ok() && m_result < dbrc::OpSerial)
        m_result += dbrc::OpSerial;
    return ok();
}

TransferSession::Station TransferSession::checkStation(const std::array<int, 4>& ids, const QString& title)
{
    bool same = true;
    for (int k = 0; k < 4 && same; ++k)
        same = m_ctx.storedSerial.value(k + 1) == ids[size_t(k)];
    if (same)
        return Station::Same;
    const QChar cr(13);
    const QString question = QStringLiteral("Die Daten sind aus einer anderen ") + kStation + QStringLiteral("!") + cr
                             + QStringLiteral("Sollen die Datensätze in dieser ") + kStation
                             + QStringLiteral(" gespeichert werden") + cr
                             + QStringLiteral("und alle vorhandenen Datensätze gelöscht werden!");
    if (m_ctx.dialogs.ask(Question::ReplaceOtherStation, question, MsgButtons::YesNo, MsgIcon::None, title)
        == MsgAnswer::Yes)
        return Station::Replace;
    m_ctx.progress.hide();
    release();
    return Station::Declined;
}

void TransferSession::adoptStation(const std::array<int, 4>& ids)
{
    for (int k = 0; k < 4; ++k)
        m_ctx.storedSerial.set(k + 1, ids[size_t(k)]);
}

bool TransferSession::run(const std::function<void(int& result)>& step)
{
    if (ok())
        step(m_result);
    return ok();
}

void TransferSession::stepText(const QString& text)
{
    m_ctx.progress.setText(text);
}

bool TransferSession::closeAccess(double pauseSeconds)
{
    if (!ok())
        return false;
    stepText(QStringLiteral(" Datenbank schließen"));
    m_ctx.link.Pause(pauseSeconds);
    m_accessOpen = false;
    m_ctx.db.EndBootloader(m_result);
    return ok();
}

void TransferSession::finish()
{
    if (m_direction == Direction::Send)
        m_ctx.iface.ClosePort();
    stepText(QStringLiteral(" fertig!"));
    if (m_direction == Direction::Read)
        m_ctx.mainControls.EnableMainControls();
    m_ctx.link.Pause(0.5);
    m_ctx.progress.hide();
    release();
}

int TransferSession::fail(const QString& title)
{
    m_ctx.dialogs.messageBox(ResultText(m_result, m_ctx.iface.openFailure()), MsgButtons::Ok, MsgIcon::Critical, title);
    release();
    return m_result;
}

bool TransferSession::askStoreChanges(DatabaseContext& ctx, const QString& title)
{
    const QString text = QStringLiteral("Sollen die geänderten Datensätze in der ") + kStation
                         + QStringLiteral(" gespeichert werden?");
    return ctx.dialogs.ask(Question::StoreChanges, text, MsgButtons::YesNo, MsgIcon::None, title) == MsgAnswer::Yes;
}

bool TransferSession::openRead()
{
    if (connect()) {
        showProgress();
        openAccess();
    }
    return readSerial(m_ids);
}

ReadOutcome TransferSession::endRead(bool stepsOk)
{
    if (stepsOk && closeAccess()) {
        finish();
        return {0, true};
    }
    const int result = fail(kReadErrorTitle);
    return {result, result == rc::PortCannotOpen};
}

std::optional<SendOutcome> TransferSession::openSend(const QString& title, const QString& stationTitle,
                                                     const std::function<bool()>& afterConnect,
                                                     const std::function<void()>& replace)
{
    if (!askStoreChanges(m_ctx, title))
        return SendOutcome::Declined;
    if (!connect())
        return failSend();
    showProgress();
    if ((afterConnect && !afterConnect()) || !openAccess() || !readSerial(m_ids))
        return failSend();
    switch (checkStation(m_ids, stationTitle)) {
    case Station::Declined:
        return SendOutcome::OtherDeviceDeclined;
    case Station::Replace:
        replace();
        break;
    case Station::Same:
        break;
    }
    return std::nullopt;
}

SendOutcome TransferSession::failSend()
{
    fail(kWriteErrorTitle);
    return SendOutcome::Failed;
}

bool TransferSession::writeIndex()
{
    stepText(QStringLiteral(" Datenbank Index schreiben"));
    return run([this](int& r) { m_ctx.db.WriteDatabaseIndex(m_ctx.db.DbRecordCounter, r); });
}

SendOutcome TransferSession::endSend(double closePauseSeconds)
{
    // A failing close is reported too: the records are written, but the user should know.
    if (!closeAccess(closePauseSeconds))
        return failSend();
    adoptStation(m_ids);
    finish();
    return SendOutcome::Sent;
}

} // namespace kx2
