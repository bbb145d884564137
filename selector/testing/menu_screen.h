// The menu's own lines as tests expect them, in UTF-8 (see Screen in console/testing/cp852.h).
#ifndef SELECTOR_TESTING_MENU_SCREEN_H_
#define SELECTOR_TESTING_MENU_SCREEN_H_

#include <string>

/// The heading and the first question with its options, each line ended.
inline const std::string kFirstQuestion =
    " TRIVELANKO !\n\nPytania mają być do:\n1. stu\n2. dwudziestu pięciu\n";

/// The second question with its options, each line ended.
inline const std::string kSecondQuestion =
    "Czy chcesz, żeby:\n"
    "1. liczyć punkty i po błędzie przejść do następnego pytania?\n"
    "2. nie liczyć punktów i po błędzie zostać przy tym samym pytaniu?\n";

#endif  // SELECTOR_TESTING_MENU_SCREEN_H_
