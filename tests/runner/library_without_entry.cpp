// A shared library that loads but exports no engine entry.
extern "C" __attribute__((visibility("default"))) int NotTheEngine(int request) {
  return request;
}
