#include "records/TransferSession.h"
#include "records/TransferDone.h"

#include "records/DatabaseContext.h"
#include "dbproto/DbProtocol.h"
#include "records/ProgressMeter.h"
#include "records/ReadBack.h"
#include "records/StoredSerial.h"
#include "link/Comm1.h"
#include "link/LocoNetLink.h"
#include "link/ResultText.h"
#include "link/SerialInterface.h"
#include "shell/Settings.h"
#include "shell/UserDialogs.h"

#include <QCoreApplication>

namespace kx2 {

namespace {
// The product name in the questions, the same for both brands.
const QString kStation = QStringLiteral("TQ7");
const char* const kReadErrorTitle = QT_TRANSLATE_NOOP("TransferSession", "Fehler beim Lesen der Datenbank");
const char* const kWriteErrorTitle = QT_TRANSLATE_NOOP("TransferSession", "Fehler beim Schreiben der Datenbank");
const char* const kCheckErrorTitle = QT_TRANSLATE_NOOP("TransferSession", "Fehler beim Prüfen der Datenbank");
// A report longer than this would not fit on the screen; the rest is counted.
constexpr int kShownDifferences = 20;
} // namespace

TransferSession::TransferSession(DatabaseContext& ctx, Direction direction)
    : m_ctx(ctx), m_direction(direction), m_held(ctx.heldAccess)
{
    // A transfer that joins a held access finds the controls, the access and the cancel check
    // as the session holding it set them up.
    m_controlsDisabled = m_direction == Direction::Read && !m_held;
    if (m_controlsDisabled)
        m_ctx.mainControls.DisableMainControls();
    m_ctx.meter.reset();
    // The second after opening the access; the one before closing counts when it comes.
    if (!m_held)
        m_ctx.meter.planPause(1);
    m_ctx.progress.transferStarted();
    if (m_held)
        return;
    Progress& progress = m_ctx.progress;
    m_ctx.link.setCancelCheck([&progress] { return progress.cancelRequested(); });
}

TransferSession::~TransferSession()
{
    release();
}

void TransferSession::counted(int n)
{
    if (m_subject)
        counted(*m_subject, n);
}

void TransferSession::counted(const TransferSubject& subject, int n)
{
    (m_held ? m_held : this)->m_counted << subject.countedText(n);
}

void TransferSession::showEnd(TransferReport::End end)
{
    TransferReport report;
    report.end = end;
    report.send = m_direction == Direction::Send;
    report.checked = m_readBack != nullptr;
    report.partlyWritten = m_ctx.meter.anyDone();
    report.maybeWritten = m_ctx.meter.anyMaybeDone();
    report.subject = m_subject ? m_subject->nameText() : QString();
    report.counted = m_counted;
    m_ctx.mainControls.showTransferDone(transferStatusText(report, QTime::currentTime()));
}

void TransferSession::release()
{
    if (m_released)
        return;
    m_released = true;
    if (m_held) {
        // The access and the port stay with the session that holds them; when this one ended the
        // run, the holder's line names its database.
        m_cancelled = m_ctx.link.cancelled();
        if ((!ok() || m_cancelled) && m_subject)
            m_held->m_subject = m_subject;
        m_ctx.progress.transferEnded();
        return;
    }
    m_ctx.db.keepWrites(nullptr);
    if (m_accessOpen) {
        m_accessOpen = false;
        // A failure is being reported already, or the user cancelled: the close's own result
        // is not wanted.
        m_ctx.db.EndBootloader();
    }
    m_ctx.iface.ClosePort();
    m_cancelled = m_ctx.link.cancelled();
    m_ctx.link.setCancelCheck({});
    m_ctx.progress.transferEnded();
    if (m_controlsDisabled)
        m_ctx.mainControls.EnableMainControls();
}

bool TransferSession::cancelled() const
{
    return m_cancelled || (!m_released && m_ctx.link.cancelled());
}

void TransferSession::tellCancelled(const QString& title, const QString& text, MsgIcon icon)
{
    // The user asked for the end: nothing is left on screen that still looks busy, nor behind the
    // box that says how far the transfer got.
    m_ctx.progress.hide();
    m_ctx.dialogs.messageBox(text, MsgButtons::Ok, icon, title);
    showEnd(TransferReport::End::Cancelled);
    release();
}

QString TransferSession::writtenSoFar() const
{
    const ProgressMeter& meter = m_ctx.meter;
    const QString written = meter.tally(QCoreApplication::translate("TransferSession", "geschrieben"));
    if (written.isEmpty())
        return {};
    // A store whose answer was lost may have been carried out.
    if (!meter.anyDone())
        return written
            + (meter.anyMaybeDone()
                   ? QCoreApplication::translate("TransferSession",
                                                 "; die Zentrale ist möglicherweise teilweise beschrieben")
                   : QCoreApplication::translate("TransferSession", "; die Zentrale ist unverändert"));
    if (!meter.allDone())
        return written + QCoreApplication::translate("TransferSession", "; die Zentrale ist teilweise beschrieben");
    return written;
}

void TransferSession::checkAfterSend(const ReadBackNames& names)
{
    if (!m_ctx.settings.VerifyAfterSend)
        return;
    m_readBack = &names;
    m_ctx.meter.planCheck();
    m_written.clear();
    m_ctx.db.keepWrites(&m_written);
}

bool TransferSession::checkWritten()
{
    m_ctx.db.keepWrites(nullptr);
    if (!ok() || !m_readBack || (m_written.empty() && !m_readBack->readBackOwn))
        return ok();
    stepText(QCoreApplication::translate("TransferSession", " Gesendete Daten prüfen"));
    if (!run([this] {
            const ReadBackDifferences found = readBackWritten(m_ctx, m_written, *m_readBack);
            m_differences = found.lines;
            return found.result;
        }))
        return false;
    if (m_readBack->readBackOwn && !run([this] {
            const ReadBackDifferences found = m_readBack->readBackOwn();
            m_differences += found.lines;
            return found.result;
        }))
        return false;
    if (!m_differences.isEmpty())
        m_result = rc::VerifyMismatch;
    return ok();
}

bool TransferSession::noteDifferences(const QStringList& lines)
{
    m_differences += lines;
    if (!m_differences.isEmpty())
        m_result = rc::VerifyMismatch;
    return ok();
}

bool TransferSession::connect()
{
    if (ok())
        m_result = m_ctx.iface.ConnectInterface();
    return ok();
}

void TransferSession::showProgress()
{
    m_ctx.progress.show();
    stepText(QCoreApplication::translate("TransferSession", " Datenbank öffnen"));
}

bool TransferSession::openAccess()
{
    if (!ok())
        return false;
    m_result = m_ctx.db.StartBootloader();
    if (!ok())
        return false;
    m_accessOpen = true;
    m_ctx.link.clearRing();
    m_ctx.link.Pause(1);
    m_ctx.meter.paused(1);
    m_result = m_ctx.db.DisplayClear();
    if (ok())
        m_result = m_ctx.db.DisplaySetCursor(10, 50);
    if (ok())
        // What the command station's display shows is the station's own German, whatever the
        // language of the windows.
        m_result = m_ctx.db.DisplayWriteText(m_direction == Direction::Read ? QStringLiteral("Datenbank lesen")
                                                                            : QStringLiteral("Datenbank schreiben"));
    return ok();
}

bool TransferSession::startWriting()
{
    if (!ok())
        return false;
    stepText(QCoreApplication::translate("TransferSession", " Schreiben vorbereiten"));
    m_direction = Direction::Send;
    m_result = m_ctx.db.DisplayClear();
    if (ok())
        m_result = m_ctx.db.DisplaySetCursor(10, 50);
    if (ok())
        m_result = m_ctx.db.DisplayWriteText(QStringLiteral("Datenbank schreiben"));
    return ok();
}

bool TransferSession::readSerial(std::array<int, 4>& ids)
{
    if (!ok())
        return false;
    stepText(QCoreApplication::translate("TransferSession", " Seriennummer lesen"));
    const DbProtocol::SerialNumber read = m_ctx.db.ReadSerialNumber();
    m_result = read.result;
    ids = read.ids;
    if (ok())
        m_serial = read.serial;
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
    const QString question = QCoreApplication::translate("TransferSession", "Die Daten sind aus einer anderen ")
        + kStation + QStringLiteral("!") + cr
        + QCoreApplication::translate("TransferSession", "Sollen die Datensätze in dieser ") + kStation
        + QCoreApplication::translate("TransferSession", " gespeichert werden") + cr
        + QCoreApplication::translate("TransferSession", "und alle vorhandenen Datensätze gelöscht werden!");
    if (m_ctx.dialogs.ask(Question::ReplaceOtherStation, question, MsgButtons::YesNo, MsgIcon::None, title)
        == MsgAnswer::Yes)
        return Station::Replace;
    showEnd(TransferReport::End::OtherStation);
    m_ctx.progress.hide();
    release();
    return Station::Declined;
}

void TransferSession::adoptStation(const std::array<int, 4>& ids)
{
    for (int k = 0; k < 4; ++k)
        m_ctx.storedSerial.set(k + 1, ids[size_t(k)]);
}

bool TransferSession::run(const std::function<int()>& step)
{
    if (ok())
        m_result = step();
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
    stepText(QCoreApplication::translate("TransferSession", " Datenbank schließen"));
    m_ctx.link.Pause(pauseSeconds);
    m_ctx.meter.paused(pauseSeconds);
    m_accessOpen = false;
    m_result = m_ctx.db.EndBootloader();
    return ok();
}

void TransferSession::finish()
{
    if (m_direction == Direction::Send)
        m_ctx.iface.ClosePort();
    stepText(QCoreApplication::translate("TransferSession", " fertig!"));
    m_ctx.progress.transferDone();
    showEnd(TransferReport::End::Done);
    if (m_controlsDisabled) {
        m_controlsDisabled = false;
        m_ctx.mainControls.EnableMainControls();
    }
    m_ctx.link.Pause(0.5);
    m_ctx.progress.hide();
    release();
}

QString TransferSession::resultWords() const
{
    // A port that would not open says why under the program's text; a network port that was
    // refused or lost names its server.
    const QString text = ResultText(m_result, m_ctx.iface.openFailure());
    const QString why = m_ctx.link.port().failureText();
    return why.isEmpty() || text.contains(why) ? text : text + QChar(13) + why;
}

int TransferSession::fail(const QString& title)
{
    // The box says what failed (its text names the step): a progress window left standing would
    // end up behind it and the windows.
    m_ctx.progress.hide();
    m_ctx.dialogs.messageBox(resultWords(), MsgButtons::Ok, MsgIcon::Critical, title);
    showEnd(TransferReport::End::Failed);
    release();
    return m_result;
}

bool TransferSession::askStoreChanges(DatabaseContext& ctx, const QString& title)
{
    const QString text = QCoreApplication::translate("TransferSession", "Sollen die geänderten Datensätze in der ")
        + kStation + QCoreApplication::translate("TransferSession", " gespeichert werden?");
    return ctx.dialogs.ask(Question::StoreChanges, text, MsgButtons::YesNo, MsgIcon::None, title) == MsgAnswer::Yes;
}

bool TransferSession::openRead()
{
    if (m_held) {
        m_ids = m_held->m_ids;
        m_serial = m_held->m_serial;
        m_result = m_held->m_result;
        return ok();
    }
    if (connect()) {
        showProgress();
        openAccess();
    }
    return readSerial(m_ids);
}

ReadOutcome TransferSession::endRead(bool stepsOk)
{
    if (m_held && stepsOk) {
        release();
        return {0, ReadEnd::Complete};
    }
    if (stepsOk && closeAccess()) {
        finish();
        return {0, ReadEnd::Complete};
    }
    // Every record came in exactly: only the close failed (a cancel does not stop it).
    if (stepsOk) {
        const QString text = resultWords() + QChar(13)
            + QCoreApplication::translate("TransferSession",
                                          "Die Datensätze wurden vollständig gelesen; der Datenbankzugriff der "
                                          "Zentrale ist aber möglicherweise noch offen.");
        m_ctx.progress.hide();
        m_ctx.dialogs.messageBox(text, MsgButtons::Ok, MsgIcon::Exclamation,
                                 QCoreApplication::translate("TransferSession", "Datenbank nicht geschlossen"));
        // The records are complete: the line says so, the box what else happened.
        showEnd(TransferReport::End::Done);
        release();
        return {m_result, ReadEnd::Unclosed};
    }
    const bool anyRead = m_ctx.meter.anyDone();
    if (cancelled()) {
        const QChar cr(13);
        QString text = QCoreApplication::translate("TransferSession", "Das Lesen wurde abgebrochen.");
        const QString read = m_ctx.meter.tally(QCoreApplication::translate("TransferSession", "gelesen"));
        if (!read.isEmpty())
            text += cr + read
                + (m_ctx.meter.allDone()
                       ? QString()
                       : QCoreApplication::translate("TransferSession", "; die übrigen bleiben leer"));
        tellCancelled(QCoreApplication::translate("TransferSession", "Lesen abgebrochen"), text, MsgIcon::Information);
        return {m_result, ReadEnd::Cancelled, anyRead};
    }
    const int result = fail(QCoreApplication::translate("TransferSession", kReadErrorTitle));
    return {result, result == rc::PortCannotOpen ? ReadEnd::NoPort : ReadEnd::Failed, anyRead};
}

std::optional<SendOutcome> TransferSession::openSend(const QString& title, const QString& stationTitle,
                                                     const std::function<bool()>& afterConnect,
                                                     const std::function<void()>& replace,
                                                     const std::function<void()>& plan)
{
    if (!askStoreChanges(m_ctx, title))
        return SendOutcome::Declined;
    plan();
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
        m_ctx.meter.forgetPlan();
        plan();
        break;
    case Station::Same:
        break;
    }
    return std::nullopt;
}

SendOutcome TransferSession::failSend()
{
    const QChar cr(13);
    const QString soFar = writtenSoFar();
    if (cancelled()) {
        QString text = QCoreApplication::translate("TransferSession", "Das Senden wurde abgebrochen.");
        if (!soFar.isEmpty())
            text += cr + soFar;
        tellCancelled(QCoreApplication::translate("TransferSession", "Senden abgebrochen"), text,
                      m_ctx.meter.anyDone() ? MsgIcon::Exclamation : MsgIcon::Information);
        return SendOutcome::Cancelled;
    }
    QString text;
    QString title = QCoreApplication::translate("TransferSession", kWriteErrorTitle);
    if (m_result == rc::VerifyMismatch) {
        title = QCoreApplication::translate("TransferSession", kCheckErrorTitle);
        text = QCoreApplication::translate("TransferSession",
                                           "Die aus der Zentrale gelesenen Daten weichen von den gesendeten ab:");
        for (int i = 0; i < m_differences.size() && i < kShownDifferences; ++i)
            text += cr + m_differences[i];
        if (m_differences.size() > kShownDifferences)
            text += cr
                + QCoreApplication::translate("TransferSession", "... und %1 weitere")
                      .arg(m_differences.size() - kShownDifferences);
    } else {
        // The program's words for the failure, and under them how far the send got.
        text = resultWords();
    }
    m_ctx.progress.hide();
    m_ctx.dialogs.messageWithDetail(text, soFar, MsgButtons::Ok, MsgIcon::Critical, title);
    showEnd(TransferReport::End::Failed);
    release();
    return SendOutcome::Failed;
}

bool TransferSession::writeIndex()
{
    stepText(QCoreApplication::translate("TransferSession", " Datenbank Index schreiben"));
    m_ctx.meter.indexStarted();
    if (!run([this] { return m_ctx.db.WriteDatabaseIndex(m_ctx.db.recordCounter()); })) {
        if (m_ctx.db.lastStoreUnanswered())
            m_ctx.meter.indexMaybeWritten();
        return false;
    }
    m_ctx.meter.indexWritten();
    return true;
}

SendOutcome TransferSession::endSend(double closePauseSeconds)
{
    // A failing close is reported too: the records are written, but the user should know.
    if (!checkWritten() || !closeAccess(closePauseSeconds))
        return failSend();
    adoptStation(m_ids);
    finish();
    return SendOutcome::Sent;
}

} // namespace kx2
