// random-use [--seeds FIRST-LAST] [--steps N]: random use of every screen from
// each seed; prints the actions run, the failures reported by kind and any
// violated invariant. Exit status 1 when an invariant was violated.
#include "tools/randomuse/random_use.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    std::uint64_t first = 1;
    std::uint64_t last = 20;
    long steps = 1000;
    for (int k = 1; k + 1 < argc; k += 2) {
        const std::string opt = argv[k];
        const std::string val = argv[k + 1];
        if (opt == "--seeds") {
            const auto dash = val.find('-');
            first = std::stoull(val.substr(0, dash));
            last = dash == std::string::npos ? first : std::stoull(val.substr(dash + 1));
        } else if (opt == "--steps") {
            steps = std::stol(val);
        } else {
            std::cerr << "usage: random-use [--seeds FIRST-LAST] [--steps N]\n";
            return 2;
        }
    }
    const auto t0 = std::chrono::steady_clock::now();
    randomuse::Stats stats;
    for (std::uint64_t seed = first; seed <= last; ++seed) randomuse::run(seed, steps, stats);
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::cout << "seeds " << first << "-" << last << ", " << stats.actions << " actions in " << secs << " s, "
              << stats.failures << " reported failures\n";
    for (const auto& [kind, n] : stats.failuresByKind)
        std::cout << "  " << model::failureName(kind) << ": " << n << "\n";
    for (const auto& v : stats.violations) std::cout << "VIOLATION " << v << "\n";
    return stats.violations.empty() ? 0 : 1;
}
