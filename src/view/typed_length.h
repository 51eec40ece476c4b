#pragma once
// The lengths a user types for a keyboard step or a wall edit: whole millimetres in the one-line
// input dialog, or feet, inches and a fraction of an inch in the feet-and-inches dialog.

#include "settings/length_format.h"

#include <string>

struct TypedLength {
    bool cancelled = true;
    // False for an entry that makes no length (a fraction over 0), whatever its value.
    bool valid = false;
    int units = 0; // drawing units
};

// The feet-and-inches dialog, opened on `initial` drawing units: (feet × 12 + inches) × 24 plus
// numerator × 24 / denominator when the numerator is above 0. A numerator above 0 over a denominator
// of 0 is no length.
TypedLength AskFeetInchesLength(int initial);

// The one-line input dialog with a title, a prompt and a first text, taking at most `limit`
// characters; the answer read as a decimal number.
TypedLength AskMetricLength(const std::string& title, const std::string& prompt, const std::string& text,
                            int limit);
