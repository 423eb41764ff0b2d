// Time samples of two series measured in alternation, one call of each per iteration, so that a
// busy machine weighs on both alike; the ratios of the first to the second are what a benchmark
// reports. The median ratio leaves out the calls that something else happened to stall.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace benchsupport {

// Seconds spent in `work`.
template <typename Work>
double secondsOf(Work work)
{
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class PairedSamples {
public:
    void add(double first, double second)
    {
        first_.push_back(first);
        second_.push_back(second);
    }

    double medianRatio() const { return median(first_) / median(second_); }
    double meanRatio() const { return sum(first_) / sum(second_); }
    double firstMedianNs() const { return median(first_) * 1e9; }
    double secondMedianNs() const { return median(second_) * 1e9; }

private:
    static double median(std::vector<double> samples)
    {
        if (samples.empty())
            return 0;
        std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
        return samples[samples.size() / 2];
    }
    static double sum(const std::vector<double> &samples)
    {
        double total = 0;
        for (double sample : samples)
            total += sample;
        return total;
    }

    std::vector<double> first_;
    std::vector<double> second_;
};

}  // namespace benchsupport
