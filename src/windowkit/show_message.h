// Shows a message that a calculator computation handed back, through the platform's services.
#pragma once

#include "core/calc_message.h"
#include "platform/services.h"

namespace hl {

/// Beeps first when the message asks for it, then asks it and gives the answer.
MessageAnswer ShowCalcMessage(Services& services, const calc::CalcMessage& message);

} // namespace hl
