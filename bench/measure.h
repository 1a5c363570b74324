// Repeated measurements and the rows of the benchmark table.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace vantorel::bench {

struct Samples {
  std::vector<double> values;
  void Add(double value) { values.push_back(value); }
  double Median() const {
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    size_t n = sorted.size();
    return n == 0 ? 0 : n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
  }
  double Min() const {
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
  }
  double Max() const {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
  }
};

// A monotonic clock, in seconds (reference_ops_*.cpp).
double Seconds();

// "median [min-max] unit", with as many decimals as the unit wants.
inline std::string Describe(const Samples& s, const char* unit, int decimals) {
  char text[160];
  std::snprintf(text, sizeof text, "%.*f [%.*f-%.*f] %s (n=%zu)", decimals, s.Median(), decimals,
                s.Min(), decimals, s.Max(), unit, s.values.size());
  return text;
}

// One row of the table: | figure | layer | measured | floor | comparison | target | met |
inline void Row(const std::string& figure, const std::string& layer, const std::string& measured,
                const std::string& floor, const std::string& comparison, const std::string& target,
                bool met) {
  std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", figure.c_str(), layer.c_str(),
              measured.c_str(), floor.c_str(), comparison.c_str(), target.c_str(),
              met ? "yes" : "no");
  std::fflush(stdout);
}

inline std::string Ratio(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "x%.2f", value);
  return text;
}

}  // namespace vantorel::bench
