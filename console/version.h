// The programs' version, one for all of them: the number the build was given (the package's
// version too) and the text the title screens show.
#ifndef CONSOLE_VERSION_H_
#define CONSOLE_VERSION_H_

// TABLICZKA_VERSION comes from the build ("2.0"), so the package and the screens agree.
#define TABLICZKA_VERSION_TEXT "wersja " TABLICZKA_VERSION

#endif  // CONSOLE_VERSION_H_
