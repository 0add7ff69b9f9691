#pragma once
// Random use of the whole program through the user-action entry point: menu
// switches, typing hostile and random text into every field a user can type
// into, picks, and clicks on every shown and enabled button, option and
// check box. After every action it checks the program's invariants.

#include "model/calc_error.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace randomuse {

struct Stats {
    long actions = 0;
    long failures = 0;
    std::map<model::FailureKind, long> failuresByKind;
    std::vector<std::string> violations; // each names the seed, the step and what broke
};

// The hostile texts typed besides random ones.
const std::vector<std::string>& hostileCorpus();

// Whether a text the program wrote is one no number should ever produce:
// "NaN", "inf" in any case, or an exponent marker without digits ("1E+").
bool garbage(const std::string& text);

// Runs `steps` actions from `seed` on a fresh program; stops at the first
// violation. Adds to `stats`.
void run(std::uint64_t seed, long steps, Stats& stats);

} // namespace randomuse
