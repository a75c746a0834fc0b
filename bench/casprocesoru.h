#pragma once

// Shared by the benchmarks that time on one core: processor time and the median of timed runs.
#include <algorithm>
#include <ctime>
#include <vector>

namespace Bench {

// Processor time of this thread in milliseconds: on a shared machine the wall clock also counts
// the time other processes had the processor.
inline double CasMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2;
}

} // namespace Bench
