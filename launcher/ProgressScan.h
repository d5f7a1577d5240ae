#pragma once

#include <QByteArrayView>

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
    std::optional<double> percent_;
};

} // namespace marulo
