// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <vector>

namespace mokopi::bench {

struct Summary {
    double median = 0;
    double min = 0;
    double max = 0;
};

// Of at least one value.
inline Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return {n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2, values.front(), values.back()};
}

}  // namespace mokopi::bench
