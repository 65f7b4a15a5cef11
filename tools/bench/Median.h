#pragma once

#include <algorithm>
#include <vector>

namespace corvallo::bench {

// The middle value, or the mean of the two middle ones; 0 for no values.
[[nodiscard]] inline double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// A measured quantity over several runs: the median says what is typical,
// the least and greatest how far one run may stray from it.
struct Spread {
    double median = 0;
    double min = 0;
    double max = 0;
};

// All zero for no values.
[[nodiscard]] inline Spread spread(const std::vector<double>& values) {
    if (values.empty()) {
        return {};
    }
    const auto [least, greatest] = std::minmax_element(values.begin(), values.end());
    return {median(values), *least, *greatest};
}

}  // namespace corvallo::bench
