#include "launcher/ProgressScan.h"

#include <QByteArray>

#include <algorithm>

namespace marulo {

namespace {

bool IsNumberByte(char c)
{
    return (c >= '0' && c <= '9') || c == '.';
}

// "37", "37.5", "100.", ".5": digits with at most one point.
std::optional<double> ParseNumber(QByteArrayView text)
{
    if (text.count('.') > 1 || text.size() == text.count('.'))
        return std::nullopt;
    bool ok = false;
    const double value = text.toByteArray().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return std::clamp(value, 0.0, 100.0);
}

} // namespace

// Only the last percentage counts, so the chunk is read backwards from its
// last "%": a converter's output is mostly other text, and most chunks end
// within a few bytes of their newest percentage.
void ProgressScan::feed(QByteArrayView chunk)
{
    for (qsizetype at = chunk.lastIndexOf('%'); at >= 0; at = at > 0 ? chunk.lastIndexOf('%', at - 1) : -1) {
        if (const std::optional<double> value = numberEndingAt(chunk, at)) {
            percent_ = value;
            break;
        }
    }
    carryTail(chunk);
}

// The number just before chunk[end], joined to the carried tail when it
// reaches back to the chunk's start.
std::optional<double> ProgressScan::numberEndingAt(QByteArrayView chunk, qsizetype end) const
{
    qsizetype start = end;
    while (start > 0 && end - start < MaxNumber && IsNumberByte(chunk[start - 1]))
        --start;
    if (start > 0 && IsNumberByte(chunk[start - 1]))
        return std::nullopt; // longer than any percentage
    if (start > 0 || (carried_ == 0 && !carryTooLong_))
        return end > start ? ParseNumber(chunk.sliced(start, end - start)) : std::nullopt;
    if (carryTooLong_ || carried_ + end > MaxNumber)
        return std::nullopt;
    QByteArray joined(carry_.data(), carried_);
    joined.append(chunk.first(end));
    return ParseNumber(joined);
}

void ProgressScan::carryTail(QByteArrayView chunk)
{
    qsizetype start = chunk.size();
    while (start > 0 && chunk.size() - start <= MaxNumber && IsNumberByte(chunk[start - 1]))
        --start;
    const qsizetype tail = chunk.size() - start;
    const bool wholeChunk = start == 0;
    if (tail > MaxNumber || (start > 0 && IsNumberByte(chunk[start - 1]))) {
        carried_ = 0;
        carryTooLong_ = true;
        return;
    }
    if (wholeChunk && (carried_ > 0 || carryTooLong_)) {
        // The run goes on from the previous chunk.
        if (carryTooLong_ || carried_ + tail > MaxNumber) {
            carried_ = 0;
            carryTooLong_ = true;
            return;
        }
        std::copy_n(chunk.data(), tail, carry_.data() + carried_);
        carried_ += static_cast<int>(tail);
        return;
    }
    std::copy_n(chunk.data() + start, tail, carry_.data());
    carried_ = static_cast<int>(tail);
    carryTooLong_ = false;
}

} // namespace marulo
