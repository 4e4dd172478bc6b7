#include "results/classic_numbers.h"

ClassicNumbersInThisThread::ClassicNumbersInThisThread()
    : classic_(newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr))),
      previous_(classic_ != static_cast<locale_t>(nullptr) ? uselocale(classic_)
                                                           : static_cast<locale_t>(nullptr)) {}

ClassicNumbersInThisThread::~ClassicNumbersInThisThread() {
  if (classic_ != static_cast<locale_t>(nullptr)) {
    uselocale(previous_);
    freelocale(classic_);
  }
}
