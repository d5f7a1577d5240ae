#pragma once

#include <QByteArrayView>

#include <array>
#include <optional>

namespace marulo {

// The share of its work a converter has reached, read off its output as it
// comes: the last percentage written ("( 37%)", "[ 37.5%]", "37% complete",
// "In:37.50%", any "NN%" or "NN.N%"), whether lines end in newlines, carriage
// returns or backspaces. A percentage split across two chunks is read whole.
class ProgressScan {
public:
    void feed(QByteArrayView chunk);
    // 0 to 100; empty until the converter has reported anything.
    std::optional<double> percent() const { return percent_; }

private:
    // The longest run of digits and points read as a number; anything longer
    // is no percentage, which keeps the carried tail a few bytes at most.
    static constexpr int MaxNumber = 15;

    std::optional<double> numberEndingAt(QByteArrayView chunk, qsizetype end) const;
    void carryTail(QByteArrayView chunk);

    std::optional<double> percent_;
    // The digits and points that ended the previous chunk: the start of a
    // number whose "%" may come in the next one.
    std::array<char, MaxNumber> carry_{};
    int carried_ = 0;
    bool carryTooLong_ = false;
};

} // namespace marulo
