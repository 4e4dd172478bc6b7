// The product's name and version, as the About box, the window caption and
// the update check show them.
#pragma once

inline constexpr const char* kProductName = "Bormek 2012";
inline constexpr const char* kProductVersion = "2012.7.8";
