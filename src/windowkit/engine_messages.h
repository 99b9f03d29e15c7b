// The engine's warnings shown to the user as OK message boxes.
#pragma once

#include "engine/engine.h"
#include "platform/services.h"

namespace hl {

/// Passes each engine warning to the services as an OK box with the engine's own title.
class ServicesMessages : public EngineMessages {
  public:
    explicit ServicesMessages(Services& services) : services_(services) {}
    void Warning(const std::string& title, const std::string& text) override {
        services_.Tell(title, text);
    }

  private:
    Services& services_;
};

} // namespace hl
