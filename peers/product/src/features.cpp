// The features of the product, as the host configures them.
#include <charconv>
#include <cstdlib>
#include <mutex>
#include <set>
#include <string_view>
#include <utility>

#include "product.h"
#include "product_host.h"
#include "vksboundary.h"

namespace {

struct FeatureSet {
    std::mutex mutex;
    std::set<int> features;
};

FeatureSet &featureSet()
{
    static FeatureSet instance;
    return instance;
}

// "32,7": numbers separated by commas, blanks around them allowed.
std::set<int> parseFeatures(std::string_view text)
{
    std::set<int> features;
    while (!text.empty()) {
        std::string_view item = text.substr(0, text.find(','));
        text.remove_prefix(item.size() < text.size() ? item.size() + 1 : item.size());
        while (!item.empty() && item.front() == ' ')
            item.remove_prefix(1);
        while (!item.empty() && item.back() == ' ')
            item.remove_suffix(1);
        int value = 0;
        auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
        if (error == std::errc() && end == item.data() + item.size() && !item.empty())
            features.insert(value);
    }
    return features;
}

struct FeaturesFromEnvironment {
    FeaturesFromEnvironment()
    {
        if (const char *text = std::getenv("VKS_PRODUCT_FEATURES")) {
            std::lock_guard lock(featureSet().mutex);
            featureSet().features = parseFeatures(text);
        }
    }
};

const FeaturesFromEnvironment fromEnvironment;

}  // namespace

int hasFeature(int feature)
{
    std::lock_guard lock(featureSet().mutex);
    return featureSet().features.count(feature) ? TRUE : FALSE;
}

void ProductSetFeatures(const int *features, size_t count)
{
    // Without room for the new set, the features stay as they were.
    vks::atWin32BoundaryVoid([&] {
        std::set<int> chosen;
        if (features)
            chosen.insert(features, features + count);
        std::lock_guard lock(featureSet().mutex);
        featureSet().features = std::move(chosen);
    });
}
