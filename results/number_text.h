// Numbers as the shortest text that reads back to the same double, "." as
// decimal point whatever the locale: a number read from the results file
// shows the file's own digits again.
#pragma once

#include <string>

// Empty for a number that is not finite.
std::string shortestText(double value);
