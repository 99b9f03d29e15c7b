// Calculator messages through the platform's message box.
#include "windowkit/show_message.h"

#include "core/control_escape.h"

namespace hl {

MessageAnswer ShowCalcMessage(Services& services, const calc::CalcMessage& message) {
    if (message.beep)
        services.Beep();
    const MessageButtons buttons =
        message.buttons == calc::Buttons::YesNo ? MessageButtons::YesNo : MessageButtons::Ok;
    // A message may echo what a file holds: its control characters are shown escaped.
    return services.Ask(message.title, EscapeControls(message.text, LineBreaks::Kept), buttons);
}

} // namespace hl
