// The evaluator of typed numbers: every number a user types may be an
// expression (12*2.5, 3.28*(15-2), sqrt(2), $1F). Works by rewriting the
// text; every intermediate result is written back with 18 significant
// digits. Keeps no state between calls.
#pragma once

#include <stdexcept>
#include <string>

#include "core/number_text.h"

// A text that cannot be evaluated; the message begins
// "Entry could not be evaluated:" and a carriage return.
class EAssignError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An arithmetic fault of the evaluation (division by zero, a logarithm of a
// non-positive number, overflow), with the platform's message.
class EMathError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

Extended Evaluate(const std::string& text);
Extended EvaluateOperand(const std::string& text);
bool IsFunctionName(const std::string& text);
