#include "launcher/ProgressScan.h"

namespace marulo {

void ProgressScan::feed(QByteArrayView chunk)
{
    // Filled in by the progress work.
    (void)chunk;
}

} // namespace marulo
