#pragma once

// Timing shared by every benchmark, also those that need no table: processor time of the thread and
// the median of timed runs.
#include <algorithm>
#include <ctime>
#include <vector>

namespace Mereni {

// Processor time of this thread in milliseconds: on a shared machine the wall clock also counts
// the time other processes had the processor.
inline double CasMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

template <typename T>
double Median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    if (n == 0)
        return 0;
    return n % 2 ? static_cast<double>(v[n / 2]) : (static_cast<double>(v[n / 2 - 1]) + static_cast<double>(v[n / 2])) / 2;
}

} // namespace Mereni
