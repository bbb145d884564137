#include "console/text_target.h"

bool TextFollowsLocale() {
  return false;
}
