#include "ElementNumber.h"

#include <chrono>
#include <random>

int ElementNumber::draw()
{
    std::mt19937 generator(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    return static_cast<int>(uniform(generator) * 100.0) % 100;
}
