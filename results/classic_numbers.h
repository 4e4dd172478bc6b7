// While the object lives, this thread formats numbers in the "C" locale,
// whatever the process's locale: libxlsxwriter writes numbers with
// snprintf, and a comma-decimal locale would put "1,5" into the workbook.
// Only the calling thread's numeric locale changes, for a moment; the
// user's locale is left as it is.
#pragma once

#include <locale.h>

class ClassicNumbersInThisThread {
 public:
  ClassicNumbersInThisThread();
  ~ClassicNumbersInThisThread();
  ClassicNumbersInThisThread(const ClassicNumbersInThisThread&) = delete;
  ClassicNumbersInThisThread& operator=(const ClassicNumbersInThisThread&) = delete;

 private:
  locale_t classic_;
  locale_t previous_;
};
