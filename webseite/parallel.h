#pragma once

#include <algorithm>
#include <exception>
#include <future>
#include <thread>
#include <vector>

namespace tlt {

// Calls arbeit(i) for i = 0 .. n-1, spread over the processor's cores (at most four threads).
// The calls must not depend on each other. When calls throw, the exception of the lowest i is
// rethrown after all threads have finished, as a loop that stops at the first failure would.
template <class Arbeit> void jeweilsParallel(int n, Arbeit arbeit)
{
    const int faeden = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4);
    std::vector<std::exception_ptr> fehler(static_cast<size_t>(std::max(n, 0)));
    auto teil = [&](int start) {
        for (int i = start; i < n; i += faeden) {
            try {
                arbeit(i);
            } catch (...) {
                fehler[static_cast<size_t>(i)] = std::current_exception();
            }
        }
    };
    std::vector<std::future<void>> andere;
    for (int f = 1; f < faeden && f < n; ++f)
        andere.push_back(std::async(std::launch::async, teil, f));
    teil(0);
    for (auto &a : andere)
        a.get();
    for (const auto &f : fehler)
        if (f)
            std::rethrow_exception(f);
}

} // namespace tlt
