#include "files/file_messages.h"

#include <QDir>

const char* PaxFaultKey(PaxFault fault) {
    switch (fault) {
        case PaxFault::None:
        case PaxFault::CannotRead:
            return "MsgPaxCannotRead";
        case PaxFault::TooLarge:
            return "MsgPaxTooLarge";
        case PaxFault::Binary:
            return "MsgPaxBinary";
        case PaxFault::Truncated:
            return "MsgPaxTruncated";
        case PaxFault::BadSpan:
            return "MsgPaxBadSpan";
        case PaxFault::BadFilter:
            return "MsgPaxBadFilter";
        case PaxFault::BadResolution:
            return "MsgPaxBadResolution";
        case PaxFault::NotNumber:
            return "MsgPaxNotNumber";
        case PaxFault::ValueOutOfRange:
            return "MsgPaxValueOutOfRange";
    }
    return "MsgPaxCannotRead";
}

QString NoteTooLongMessage(const Texts& texts, qsizetype fileBytes) {
    return texts("MsgNoteTooLongHead") + QString::number(kMaxPaxFileBytes) +
           texts("MsgNoteTooLongMiddle") + QString::number(fileBytes) + texts("MsgNoteTooLongTail");
}

QString SaveFailedMessage(const Texts& texts, const QString& fileName, const QString& reason) {
    return texts("MsgSaveFailed") + u'\n' + QDir::toNativeSeparators(fileName) + u'\n' + reason;
}

QString LoadFailedMessage(const Texts& texts, const QString& fileName,
                          const PaxDecodeResult& result) {
    QString message = texts("MsgLoadFailed") + u'\n' + QDir::toNativeSeparators(fileName) + u'\n';
    if (result.Line > 0) {
        message += texts("MsgLoadFailedLine") + u' ' + QString::number(result.Line) + u'\n';
    }
    message += texts(PaxFaultKey(result.Fault));
    if (!result.Detail.isEmpty()) {
        message += QStringLiteral(" (") + result.Detail + u')';
    }
    return message;
}
