#include "link/ProbeSteps.h"

std::vector<TransferStep> ProbeSteps(CloneImage &image) {
    TransferStep ask{TransferStep::Kind::Exchange,
                     QStringLiteral("identification"),
                     [] { return IdentifyCommand; },
                     IdentifyReplyLength,
                     false,
                     {}};
    ask.then = [&image](const QByteArray &reply) {
        const QString text = QString::fromLatin1(reply);
        const QString model = text.mid(8, 5);
        if (model != QLatin1String("KTM40"))
            return StepOutcome::fail(Ending::CommunicationError,
                                     QStringLiteral("the answer names '%1', not KTM40").arg(model));
        const int variant = VariantFromIdCode(text.mid(13, 2));
        if (variant < 0)
            return StepOutcome::fail(Ending::CommunicationError,
                                     QStringLiteral("unknown variant code '%1'").arg(text.mid(13, 2)));
        image.Variant = variant;
        image.WideRange = text.mid(17, 2) == QLatin1String("AA");
        return StepOutcome{};
    };
    TransferStep pause{TransferStep::Kind::Pause, {}, {}, 0, false, {}};
    return {ask, pause};
}
