// Acting on a modal dialog from a test: the test arranges the action, then
// runs the command that opens the dialog; the command returns once the
// action has closed it.
#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace bormek::ui_testing {

// Runs `act` on the next modal dialog of type T once it is open.
template <class T>
void whenModal(const std::function<void(T*)>& act) {
  QTimer::singleShot(0, [act] {
    T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      whenModal<T>(act);
      return;
    }
    act(dialog);
  });
}

}  // namespace bormek::ui_testing
