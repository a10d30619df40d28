#include "model/parameters.h"

#include <cmath>

namespace voltaro {

double RatedVoltage(const ElementRecord& bulb) {
  return std::sqrt(std::fabs(bulb.resistance * RatedPower(bulb)));
}

}  // namespace voltaro
