#include "link/TransferSteps.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/Backups.h"
#include "image/HexText.h"
#include "image/UiText.h"
#include "link/ProbeSteps.h"
#include "link/WaitReply.h"
#include "link/WriteChanges.h"
#include "settings/SettingsCodec.h"
#include <QCoreApplication>
#include <memory>

namespace {
using Kind = TransferStep::Kind;

QString replyData(const QByteArray &reply) {
    return QString::fromLatin1(reply.mid(11, 64));
}

TransferStep pause() {
    return {Kind::Pause, {}, {}, 0, false, {}};
}

TransferStep action(std::function<StepOutcome(const QByteArray &)> work) {
    return {Kind::Action, {}, {}, 0, false, std::move(work)};
}

TransferStep blockRead(const QString &address, std::function<StepOutcome(const QByteArray &)> then) {
    const QByteArray command = BlockReadCommand(address);
    TransferStep step{Kind::Exchange,
                      QStringLiteral("block read of %1").arg(address),
                      [command] { return command; },
                      BlockReadReplyLength,
                      false,
                      std::move(then)};
    step.recordData = true;
    step.retryable = true;
    return step;
}

TransferStep blockWrite(const QString &address, std::function<QString()> digits) {
    TransferStep step{Kind::Exchange,
                      QStringLiteral("block write of %1").arg(address),
                      [address, digits] { return BlockWriteCommand(address, digits()); },
                      BlockWriteReplyLength,
                      true,
                      {}};
    step.retryable = true;
    return step;
}

// A data character for a message: itself when it can be read, else its code.
QString characterText(char c) {
    const uchar u = uchar(c);
    if (u == ' ') return QStringLiteral("a blank");
    if (u > 0x20 && u < 0x7F) return QStringLiteral("'%1'").arg(QLatin1Char(c));
    return QStringLiteral("byte 0x") + QString::number(u, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

TransferStep writeAccess() {
    return {Kind::Exchange,
            QStringLiteral("write access"),
            [] { return WriteAccessCommand; },
            WriteAccessReplyLength,
            true,
            {}};
}

// TxEnd: the end command, whatever its reply, then the pause.
void appendTxEnd(std::vector<TransferStep> &steps) {
    steps.push_back({Kind::Exchange, QStringLiteral("end command"), [] { return EndCommand; }, 0, false, {}});
    steps.push_back(pause());
}

StepOutcome codecFailure(const QString &what) {
    return StepOutcome::fail(Ending::ProcedureFailure, what);
}

std::vector<TransferStep> readMemory(CloneImage &image, RadioSession &session) {
    std::vector<TransferStep> steps;
    steps.reserve(ChannelCount * 3 + 2);
    for (int k = 0; k < ChannelCount; ++k) {
        steps.push_back(action([&session, k](const QByteArray &) {
            emit session.progress(k);
            return StepOutcome{};
        }));
        const QString address = BlockAddress(k);
        steps.push_back(blockRead(address, [&image, &session, k, address](const QByteArray &reply) {
            if (!UpdateMemData(image, replyData(reply), k))
                return codecFailure(
                    QStringLiteral("the channel record at %1 has no valid mode").arg(address));
            emit session.channelDecoded(k);
            return StepOutcome{};
        }));
        steps.push_back(pause());
    }
    appendTxEnd(steps);
    return steps;
}

std::vector<TransferStep> writeMemory(CloneImage &image, RadioSession &session) {
    std::vector<TransferStep> steps;
    steps.reserve(ChannelCount * 3 + 5);
    steps.push_back(action([&session](const QByteArray &) {
        emit session.progress(0);
        return StepOutcome{};
    }));
    steps.push_back(writeAccess());
    steps.push_back(pause());
    for (int k = 0; k < ChannelCount; ++k) {
        steps.push_back(action([&session, k](const QByteArray &) {
            emit session.progress(k);
            return StepOutcome{};
        }));
        steps.push_back(pause());
        steps.push_back(blockWrite(BlockAddress(k), [&image, k] { return MakeMemData(image, k); }));
    }
    steps.push_back(pause());
    appendTxEnd(steps);
    return steps;
}

std::vector<TransferStep> readSettings(CloneImage &image, RadioSession &session) {
    // the VFO records are decoded only once both have arrived
    auto vfo = std::make_shared<std::array<QString, VfoCount>>();
    std::vector<TransferStep> steps;
    steps.push_back(blockRead(QStringLiteral("0300"), [&image](const QByteArray &reply) {
        image.SetData1 = replyData(reply);
        return StepOutcome{};
    }));
    steps.push_back(pause());
    steps.push_back(blockRead(QStringLiteral("0320"), [&image, &session](const QByteArray &reply) {
        image.SetData2 = replyData(reply);
        const int failing = UpdateSetData(image);
        emit session.settingsDecoded();
        if (failing >= 0)
            return codecFailure(QStringLiteral("setting %1 is beyond its list").arg(failing + 1));
        return StepOutcome{};
    }));
    steps.push_back(pause());
    steps.push_back(blockRead(QStringLiteral("0400"), [vfo](const QByteArray &reply) {
        (*vfo)[0] = replyData(reply);
        return StepOutcome{};
    }));
    steps.push_back(pause());
    steps.push_back(blockRead(QStringLiteral("0500"), [vfo](const QByteArray &reply) {
        (*vfo)[1] = replyData(reply);
        return StepOutcome{};
    }));
    steps.push_back(action([&image, &session, vfo](const QByteArray &) {
        for (int n = 0; n < VfoCount; ++n)
            if (!UpdateVFORecord(image, (*vfo)[n], n))
                return codecFailure(QStringLiteral("%1 has no valid mode").arg(VfoLabel(n)));
        emit session.vfoDecoded();
        return StepOutcome{};
    }));
    steps.push_back(pause());
    appendTxEnd(steps);
    return steps;
}

std::vector<TransferStep> writeSettings(CloneImage &image) {
    std::vector<TransferStep> steps;
    steps.push_back(writeAccess());
    steps.push_back(pause());
    steps.push_back(blockWrite(QStringLiteral("0300"), [&image] {
        MakeSetData(image);
        return image.SetData1;
    }));
    steps.push_back(pause());
    steps.push_back(blockWrite(QStringLiteral("0320"), [&image] { return image.SetData2; }));
    steps.push_back(pause());
    steps.push_back(blockWrite(QStringLiteral("0400"), [&image] { return MakeVFOData(image, 0); }));
    steps.push_back(pause());
    steps.push_back(blockWrite(QStringLiteral("0500"), [&image] { return MakeVFOData(image, 1); }));
    steps.push_back(pause());
    appendTxEnd(steps);
    return steps;
}

// Verify: the block reads alone, each record kept as read; the image is not touched. afterRead, when
// given, follows each record's arrival.
std::vector<TransferStep>
verifyReads(const std::vector<int> &addresses, RadioSession &session, bool withProgress,
            std::function<void(int address, const QString &digits)> afterRead = {}) {
    std::vector<TransferStep> steps;
    steps.reserve(addresses.size() * 3 + 2);
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        const int address = addresses[i];
        if (withProgress)
            steps.push_back(action([&session, i](const QByteArray &) {
                emit session.progress(int(i));
                return StepOutcome{};
            }));
        const QString text = QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
        steps.push_back(blockRead(text, [&session, address, afterRead](const QByteArray &reply) {
            session.radioRecords()[address] = replyData(reply);
            if (afterRead) afterRead(address, replyData(reply));
            return StepOutcome{};
        }));
        steps.push_back(pause());
    }
    appendTxEnd(steps);
    return steps;
}

std::vector<TransferStep> verifySettings(RadioSession &session) {
    return verifyReads({0x300, 0x320, 0x400, 0x500}, session, false);
}

std::vector<TransferStep> verifyMemory(RadioSession &session) {
    std::vector<int> addresses;
    for (int k = 0; k < ChannelCount; ++k)
        addresses.push_back(0x600 + 0x20 * k);
    return verifyReads(addresses, session, true);
}

// Write Changes, first phase: the block reads of every record in scope into radioRecords(), then the end
// command. The records that differ are counted as they arrive, for the estimate of the time left.
std::vector<TransferStep> changesRead(CloneImage &image, RadioSession &session) {
    using Phase = WriteChangesProgress::Phase;
    WriteChangesRun &run = session.writeChangesRun();
    run.expected = RecordsToWrite(image, run.addresses);
    emit session.changesProgress(run.progress(Phase::Reading));
    return verifyReads({run.addresses.begin(), run.addresses.end()}, session, false,
                       [&session, &run](int address, const QString &digits) {
                           ++run.read;
                           if (digits.toUpper() != run.expected.value(address)) ++run.differingSoFar;
                           emit session.changesProgress(run.progress(Phase::Reading));
                       });
}

// Second phase: the backup of what the radio held, then, when anything differs, the write-access line,
// the block writes of just those records in address order, and the end command. Nothing is sent when
// nothing differs.
std::vector<TransferStep> changesWrite(CloneImage &image, RadioSession &session) {
    using Phase = WriteChangesProgress::Phase;
    WriteChangesRun &run = session.writeChangesRun();
    run.changed = ChangedRecords(image, session.radioRecords());
    std::vector<TransferStep> steps;
    steps.push_back(action([&image, &session, &run](const QByteArray &) {
        const BackupResult backup =
            SaveBackupBytes(RadioCloneFileBytes(image, session.radioRecords()), run.backupFolder);
        if (!backup.ok)
            return StepOutcome::fail(
                Ending::FileError,
                QStringLiteral("no backup of the radio could be saved, so nothing was written: %1")
                    .arg(backup.detail));
        run.backupPath = backup.path;
        emit session.changesProgress(run.progress(Phase::Writing));
        return StepOutcome{};
    }));
    if (run.changed.isEmpty()) return steps;
    steps.push_back(writeAccess());
    for (const ChangedRecord &record : run.changed) {
        steps.push_back(pause());
        const QString digits = record.digits;
        steps.push_back(blockWrite(RecordAddressText(record.address), [digits] { return digits; }));
        steps.push_back(action([&session, &run](const QByteArray &) {
            ++run.written;
            emit session.changesProgress(run.progress(Phase::Writing));
            return StepOutcome{};
        }));
    }
    steps.push_back(pause());
    appendTxEnd(steps);
    return steps;
}

// Third phase: the block reads of just the written records, then the end command.
std::vector<TransferStep> changesCheck(RadioSession &session) {
    using Phase = WriteChangesProgress::Phase;
    WriteChangesRun &run = session.writeChangesRun();
    if (run.changed.isEmpty()) return {};
    std::vector<int> addresses;
    for (const ChangedRecord &record : run.changed)
        addresses.push_back(record.address);
    emit session.changesProgress(run.progress(Phase::Checking));
    std::vector<TransferStep> steps =
        verifyReads(addresses, session, false, [&session, &run](int, const QString &) {
            ++run.checked;
            if (run.checked < run.changed.size()) emit session.changesProgress(run.progress(Phase::Checking));
        });
    steps.push_back(action([&session, &run](const QByteArray &) { // the whole run is done
        emit session.changesProgress(run.progress(Phase::Checking));
        return StepOutcome{};
    }));
    return steps;
}

std::vector<TransferStep> identify(CloneImage &image, RadioSession &session) {
    TransferStep step{Kind::Exchange,
                      QStringLiteral("identification"),
                      [] { return IdentifyCommand; },
                      IdentifyReplyLength,
                      false,
                      {}};
    step.then = [&image, &session](const QByteArray &reply) {
        const QString text = QString::fromLatin1(reply);
        const QString model = text.mid(8, 5);
        if (model != QLatin1String("KTM40"))
            return StepOutcome::fail(Ending::CommunicationError,
                                     QStringLiteral("the radio calls itself '%1', not KTM40").arg(model));
        image.WideRange = false;
        const QString code = text.mid(13, 2);
        const int variant = VariantFromIdCode(code);
        if (variant < 0)
            return StepOutcome::fail(Ending::CommunicationError,
                                     QStringLiteral("unknown variant code '%1'").arg(code));
        image.Variant = variant;
        image.WideRange = text.mid(17, 2) == QLatin1String("AA");
        emit session.variantIdentified(variant, image.WideRange);
        return StepOutcome{};
    };
    return {step};
}
} // namespace

QByteArray BlockReadCommand(const QString &address) {
    return "RZ~F" + address.toLatin1() + "R\r\n";
}

QByteArray BlockWriteCommand(const QString &address, const QString &digits) {
    return "RZ~F" + address.toLatin1() + "W" + digits.toLatin1() + "\r\n";
}

std::vector<TransferStep> BuildProcedure(Procedure procedure, CloneImage &image, RadioSession &session) {
    // every procedure has its case: the way past them (and the empty list) is the compiler's
    switch (procedure) {
    case Procedure::ReadMemory:
        return readMemory(image, session);
    case Procedure::WriteMemory:
        return writeMemory(image, session);
    case Procedure::ReadSettings:
        return readSettings(image, session);
    case Procedure::WriteSettings:
        return writeSettings(image);
    case Procedure::Identify:
        return identify(image, session);
    case Procedure::VerifySettings:
        return verifySettings(session);
    case Procedure::VerifyMemory:
        return verifyMemory(session);
    case Procedure::ChangesRead:
        return changesRead(image, session);
    case Procedure::ChangesWrite:
        return changesWrite(image, session);
    case Procedure::ChangesCheck:
        return changesCheck(session);
    case Procedure::ProbePort:
        return ProbeSteps(image);
    }
    return {};
}

StepOutcome CheckReply(const TransferStep &step, const QByteArray &sent, const QByteArray &result) {
    if (step.replyLength == 0) return {};
    if (result == PortFailureResult)
        return StepOutcome::fail(Ending::ComPortError,
                                 QStringLiteral("the port failed during the %1").arg(step.label));
    if (result == TimeOutResult)
        return StepOutcome::fail(
            Ending::CommunicationError,
            QStringLiteral("no reply to the %1 within %2 ms").arg(step.label).arg(WaitReply::ReplyTimeoutMs));
    if (result.size() != step.replyLength)
        return StepOutcome::fail(Ending::CommunicationError,
                                 QStringLiteral("the reply to the %1 has %2 characters, not %3")
                                     .arg(step.label)
                                     .arg(result.size())
                                     .arg(step.replyLength));
    if (step.needsOk && !result.endsWith("OK\r\n"))
        return StepOutcome::fail(Ending::CommunicationError,
                                 QStringLiteral("the %1 was not answered OK").arg(step.label));
    if (!result.startsWith(sent)) {
        // the echo shows which command a reply answers; a discard cannot catch what arrives after it
        QByteArray echo = result.left(sent.size());
        while (echo.endsWith('\n') || echo.endsWith('\r'))
            echo.chop(1);
        for (char &c : echo)
            if (uchar(c) < 0x20 || uchar(c) > 0x7E) c = '.';
        return StepOutcome::fail(
            Ending::CommunicationError,
            QCoreApplication::translate(
                "TransferSteps",
                "the reply to the %1 begins with '%2', the echo of another command: a late answer or an "
                "earlier run's reply")
                .arg(step.label, QString::fromLatin1(echo)));
    }
    if (step.recordData) {
        // the length is all the radio's reply can be checked by, so a byte spoilt on the line keeps it: a
        // random byte is a hexadecimal digit only 22 times in 256, and is then caught here
        const qsizetype first = sent.size();
        for (qsizetype i = first; i < result.size() - 2; ++i)
            if (!IsHexDigit(result[i]))
                return StepOutcome::fail(
                    Ending::CommunicationError,
                    QStringLiteral(
                        "the reply to the %1 has %2 at data digit %3 of 64, not a hexadecimal digit")
                        .arg(step.label, characterText(result[i]))
                        .arg(i - first + 1));
    }
    return {};
}
