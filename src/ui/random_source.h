#pragma once

#include <random>

namespace numbrava {

// Uniform numbers on [0, 1).
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void seed(double value) = 0;
    virtual double next() = 0;
};

class StandardRandomSource : public RandomSource {
  public:
    void seed(double value) override;
    double next() override;

  private:
    std::mt19937_64 engine_{std::random_device{}()};
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

} // namespace numbrava
