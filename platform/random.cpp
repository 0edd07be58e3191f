#include "platform/random.h"

#include <random>

namespace platform {
namespace {
std::mt19937& generator() {
    static std::mt19937 engine(5489u);
    return engine;
}
std::function<double()>& scripted() {
    static std::function<double()> source;
    return source;
}
}  // namespace

double Rnd() {
    if (scripted()) return scripted()();
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
}

void Randomize(unsigned seed) { generator().seed(seed); }

void SetRandomSource(std::function<double()> source) { scripted() = std::move(source); }

}  // namespace platform
