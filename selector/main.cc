// trivelanko: the menu that starts the quiz program the user chooses.

#include "console/window_title.h"
#include "selector/menu.h"

int main() {
  NameWindow("trivelanko");
  RunSelector();
  return 0;
}
