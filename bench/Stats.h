#pragma once
// Small order statistics for the benchmarks' figures.

#include <algorithm>
#include <vector>

template <typename T>
T Percentile(std::vector<T> values, double fraction) {
  if (values.empty()) return T{};
  std::sort(values.begin(), values.end());
  const std::size_t index =
      std::min(values.size() - 1, static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5));
  return values[index];
}

// The middle value; the mean of the two middle ones for an even count.
template <typename T>
double Median(std::vector<T> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? static_cast<double>(values[n / 2])
               : (static_cast<double>(values[n / 2 - 1]) + static_cast<double>(values[n / 2])) / 2;
}

template <typename T>
T Largest(const std::vector<T>& values) {
  return values.empty() ? T{} : *std::max_element(values.begin(), values.end());
}

template <typename T>
T Smallest(const std::vector<T>& values) {
  return values.empty() ? T{} : *std::min_element(values.begin(), values.end());
}
