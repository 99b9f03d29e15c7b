// The scenario the display tests share and small helpers for reading the windows.
#pragma once

#include <QPointer>
#include <QWidget>

#include "core/day_number.h"
#include "scenario/session.h"

namespace hl::test {

/// 100000 at 10 % over 25 years, Monthly from January 1 1996, a 5-year term: the lender's
/// example whose first balances are 99922.00, 99843.36 and 99764.08.
inline void SetStandardScenario(Session& session) {
    session.scenario.amount = 100000.0f;
    session.scenario.rate = 10.0f;
    session.scenario.amortization = 25.0f;
    session.scenario.term = 5.0f;
    session.scenario.start = DayFromCivil(1996, 1, 1);
    session.scenario.frequency = kMonthly;
}

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
