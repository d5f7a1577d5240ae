#include "launcher/OutputTail.h"

#include <QList>

#include <algorithm>

namespace marulo {

namespace {

constexpr qsizetype KeptBytes = 4096;
constexpr qsizetype KeptLines = 10;

} // namespace

void OutputTail::add(QByteArrayView chunk)
{
    if (chunk.size() >= KeptBytes) {
        bytes_ = chunk.last(KeptBytes).toByteArray();
        return;
    }
    bytes_.append(chunk);
    if (bytes_.size() > KeptBytes)
        bytes_.remove(0, bytes_.size() - KeptBytes);
}

std::vector<std::string> OutputTail::lines() const
{
    QByteArray text = bytes_;
    text.replace('\r', '\n').replace('\b', '\n');
    QList<QByteArray> all = text.split('\n');
    all.removeIf([](const QByteArray& line) { return line.trimmed().isEmpty(); });
    std::vector<std::string> kept;
    for (qsizetype i = std::max<qsizetype>(0, all.size() - KeptLines); i < all.size(); ++i)
        kept.push_back(all[i].toStdString());
    return kept;
}

} // namespace marulo
