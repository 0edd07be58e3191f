#pragma once
#include <functional>

// The shared uniform random source in [0, 1) behind every die.
namespace platform {

double Rnd();
void Randomize(unsigned seed);
// Tests script the draws; an empty function goes back to the generator.
void SetRandomSource(std::function<double()> source);

}  // namespace platform
