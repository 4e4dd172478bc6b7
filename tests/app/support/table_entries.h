// What the tests of the soil-layer table's model and window type into the
// sand sub-table, and the messages a refused entry gives.
#pragma once

#include <QString>

namespace bormek::app_testing {

// The sand sub-table's columns.
inline constexpr int kFrictionAngle = 1;
inline constexpr int kBlowCounts = 2;

inline const QString kInvalidCharacters =
    QStringLiteral("Entry could not be evaluated:\ninvalid character(s) in expression");
inline const QString kBlankEntry =
    QStringLiteral("Entry could not be evaluated:\nentry cannot be blank");
inline const QString kBlowCountRange = QStringLiteral("Entry must be between 0 and 100.");

}  // namespace bormek::app_testing
