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

}  // namespace corvallo::bench
