#include "core/ConverterTable.h"

namespace marulo {

namespace {

constexpr bool RowsFollowModeOrder()
{
    for (int i = 0; i < EncodeModeCount; ++i) {
        if (static_cast<int>(ConverterTable[i].mode) != i)
            return false;
    }
    return true;
}
static_assert(RowsFollowModeOrder(), "ConverterTable is indexed by EncodeMode");

} // namespace

const ConverterRow& ConverterOf(EncodeMode mode)
{
    const int index = static_cast<int>(mode);
    if (index < 0 || index >= EncodeModeCount)
        return ConverterTable[static_cast<int>(EncodeMode::Wav)];
    return ConverterTable[index];
}

} // namespace marulo
