// Calculator messages through the platform's message box.
#include "windowkit/show_message.h"

namespace hl {

MessageAnswer ShowCalcMessage(Services& services, const calc::CalcMessage& message) {
    if (message.beep)
        services.Beep();
    const MessageButtons buttons =
        message.buttons == calc::Buttons::YesNo ? MessageButtons::YesNo : MessageButtons::Ok;
    return services.Ask(message.title, message.text, buttons);
}

} // namespace hl
