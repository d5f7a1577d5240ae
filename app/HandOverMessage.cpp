#include "app/HandOverMessage.h"

#include <QFile>

namespace marulo::HandOver {

namespace {

const QByteArray Prefix = QByteArrayLiteral("marulo-activate ");
const QByteArray FirstVersionMessage = QByteArrayLiteral("marulo-activate 1\n");

} // namespace

QByteArray encode(const QString& path)
{
    // Percent-encoded file-system bytes: a file name may hold a newline, and
    // need not be valid UTF-8.
    return Prefix + QByteArray::number(Version) + '\n' + QFile::encodeName(path).toPercentEncoding("/") + '\n';
}

Request decode(const QByteArray& received)
{
    Request request;
    const qsizetype headerEnd = received.indexOf('\n');
    if (headerEnd < 0) {
        // Still possibly ours: part of the prefix, or the prefix and a few digits.
        const bool couldBeOurs =
            Prefix.startsWith(received) || (received.startsWith(Prefix) && received.size() <= Prefix.size() + 8);
        if (!couldBeOurs)
            request.kind = Request::Kind::Refused;
        return request;
    }
    const QByteArray header = received.left(headerEnd + 1);
    if (header == FirstVersionMessage) {
        request.kind = Request::Kind::Activate;
        return request;
    }
    if (header != Prefix + QByteArray::number(Version) + '\n') {
        request.kind = Request::Kind::Refused;
        return request;
    }
    const qsizetype pathEnd = received.indexOf('\n', headerEnd + 1);
    if (pathEnd < 0) {
        if (received.size() > LongestMessage)
            request.kind = Request::Kind::Refused;
        return request;
    }
    const QByteArray encoded = received.mid(headerEnd + 1, pathEnd - headerEnd - 1);
    if (encoded.isEmpty()) {
        request.kind = Request::Kind::Activate;
        return request;
    }
    request.kind = Request::Kind::Open;
    request.path = QFile::decodeName(QByteArray::fromPercentEncoding(encoded));
    return request;
}

} // namespace marulo::HandOver
