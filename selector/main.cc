// trivelanko: the menu that starts the quiz program the user chooses.

#include "selector/menu.h"

int main() {
  RunSelector();
  return 0;
}
