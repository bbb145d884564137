#include "practice/fact.h"

std::string FactLabel(Fact fact) {
  return std::to_string(fact.a) + " x " + std::to_string(fact.b);
}
