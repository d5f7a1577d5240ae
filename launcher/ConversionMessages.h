#pragma once

#include "core/ConversionMessage.h"

#include <QString>

namespace marulo {

// A conversion's message in the installed language (launcher/Translation.h),
// for the window's status bar and for a run without a window alike. With no
// translation installed these are the designed Japanese sentences, byte for
// byte, each beginning with one blank; a failure's reason follows its
// sentence after one more blank.
QString ConversionMessageText(const ConversionMessage& message);

} // namespace marulo
