// Helpers the display window tests share; their scenario is support/standard_scenario.h.
#pragma once

#include <QPointer>
#include <QWidget>

#include "support/standard_scenario.h"

namespace hl::test {

/// Owns a window under test: deletes it at the end unless it closed (and deleted) itself.
template <class W> class Owned {
  public:
    explicit Owned(W* window) : window_(window) {}
    ~Owned() { delete window_.data(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    W* operator->() const { return window_.data(); }
    W* get() const { return window_.data(); }

  private:
    QPointer<W> window_;
};

} // namespace hl::test
