#pragma once

#include "core/FileOperations.h"

namespace marulo {

// A converter's result counts only as a plain file with at least one byte: an
// empty file or a folder at the output path is no result.
inline bool IsResult(const FileState& after)
{
    return after.regular && after.size > 0;
}

// Whether the step created or changed what stands at its output path: a file
// that is there now and was not, or differs in size, time or inode from the
// one that was. Only such a file may be removed after a failed step.
inline bool StepTouched(const FileState& before, const FileState& after)
{
    return after.exists && !(before == after);
}

} // namespace marulo
