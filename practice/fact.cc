#include "practice/fact.h"

std::string FactLabel(Fact fact) {
  if (fact.kind == FactKind::kDivision)
    return std::to_string(fact.a * fact.b) + " : " + std::to_string(fact.a);
  return std::to_string(fact.a) + " x " + std::to_string(fact.b);
}
