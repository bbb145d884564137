#include "console/console_effects.h"

#include <cstring>
#include <iterator>

namespace {

bool IsSet(const char* value) {
  return value != nullptr && *value != '\0';
}

// Attributes reset, cursor home, screen and then scrollback cleared: the same everywhere.
constexpr char kClear[] = "\033[0m\033[H\033[2J\033[3J";

// The colours go through the terminal's default text colour (OSC 10) and background (OSC 11),
// which every cell without colours of its own follows, so the whole screen changes at once, as
// on the console these programs were made for, and stays so after the program ends. Each
// colour goes out twice: as rgb:rr/gg/bb, which older tmux needs, then as #rrggbb, the only
// form Konsole takes (an rgb: after a good # would undo it there). Each ends with BEL, and the
// attributes are reset after the colours.
constexpr char kPlainGrey[] =
    "\033]10;rgb:cc/cc/cc\a\033]10;#cccccc\a"
    "\033]11;rgb:0c/0c/0c\a\033]11;#0c0c0c\a"
    "\033[0m";
constexpr char kPlainRed[] =
    "\033]10;rgb:e7/48/56\a\033]10;#e74856\a"
    "\033]11;rgb:0c/0c/0c\a\033]11;#0c0c0c\a"
    "\033[0m";

// GNU screen passes OSC 11 to the outer terminal but drops OSC 10, which would leave dark text
// on the dark background; each sequence wrapped in screen's pass-through (ESC P ... ESC \)
// reaches the outer terminal whole, so both colours change together.
constexpr char kScreenGrey[] =
    "\033P\033]10;rgb:cc/cc/cc\a\033\\\033P\033]10;#cccccc\a\033\\"
    "\033P\033]11;rgb:0c/0c/0c\a\033\\\033P\033]11;#0c0c0c\a\033\\"
    "\033[0m";
constexpr char kScreenRed[] =
    "\033P\033]10;rgb:e7/48/56\a\033\\\033P\033]10;#e74856\a\033\\"
    "\033P\033]11;rgb:0c/0c/0c\a\033\\\033P\033]11;#0c0c0c\a\033\\"
    "\033[0m";

// The Linux console ignores OSC 10 and 11; its palette entries (ESC ] P, one hex digit, six
// hex digits, no terminator) are entry 0, the background, and entry 7, the ordinary text. On
// the VGA text console that recolours every cell at once, but a framebuffer console draws only
// what it draws next in the new colours and leaves the rest as it was. Screen reverse video on
// and off again (ESC [ ? 5 h, ESC [ ? 5 l) makes the kernel redraw every cell, twice, within
// the one write: the screen ends as it was, every cell in the new palette; on VGA text it only
// flips the attributes there and back.
constexpr char kLinuxGrey[] = "\033]P00c0c0c\033]P7cccccc\033[?5h\033[?5l\033[0m";
constexpr char kLinuxRed[] = "\033]P00c0c0c\033]P7e74856\033[?5h\033[?5l\033[0m";

// Tilix takes OSC 10 but paints the background from its profile whatever OSC 11 says, and its
// profile may be light: light grey text would hardly show on white. So only the text colour
// changes: light red for a wrong answer (readable on a light and on a dark background), and
// for a right one the profile's own text colour back (OSC 110), which the profile has made
// readable on its own background. No background sequence is ever sent.
constexpr char kTilixOwn[] = "\033]110\a\033[0m";
constexpr char kTilixRed[] = "\033]10;rgb:e7/48/56\a\033]10;#e74856\a\033[0m";
// The same inside GNU screen, passed through to Tilix as for any terminal outside screen.
constexpr char kScreenTilixOwn[] = "\033P\033]110\a\033\\\033[0m";
constexpr char kScreenTilixRed[] =
    "\033P\033]10;rgb:e7/48/56\a\033\\\033P\033]10;#e74856\a\033\\\033[0m";

// The console effects, in the order of the bytes in each row below.
constexpr std::string_view kCommands[] = {"cls", "color 07", "color 0C"};
constexpr int kCommandCount = static_cast<int>(std::size(kCommands));

struct KindEffects {
  TerminalKind kind;
  std::string_view bytes[kCommandCount];  // indexed as kCommands
};

// One row per kind of terminal, in the order of TerminalKind: what cls, color 07 and color 0C
// write there.
constexpr KindEffects kEffects[] = {
    {TerminalKind::kNone, {"", "", ""}},
    {TerminalKind::kPlain, {kClear, kPlainGrey, kPlainRed}},
    {TerminalKind::kTmux, {kClear, kPlainGrey, kPlainRed}},
    {TerminalKind::kScreen, {kClear, kScreenGrey, kScreenRed}},
    {TerminalKind::kLinuxConsole, {kClear, kLinuxGrey, kLinuxRed}},
    {TerminalKind::kTilix, {kClear, kTilixOwn, kTilixRed}},
    {TerminalKind::kScreenInTilix, {kClear, kScreenTilixOwn, kScreenTilixRed}},
    {TerminalKind::kNoColour, {kClear, "", ""}},
};

constexpr bool OneRowPerKindInOrder() {
  if (std::size(kEffects) != static_cast<size_t>(kTerminalKinds))
    return false;
  for (int i = 0; i < kTerminalKinds; ++i) {
    if (kEffects[i].kind != static_cast<TerminalKind>(i))
      return false;
  }
  return true;
}
static_assert(OneRowPerKindInOrder(), "kEffects needs one row per TerminalKind, in its order");

// The window's title: the terminal's own title pushed on its stack, the new one set (OSC 2 ends
// with BEL, as the colours do), and at the end the terminal's own popped back. GNU screen has
// each sequence passed through whole to the terminal outside it.
constexpr TitleEffect kNoTitle = {};
constexpr TitleEffect kPlainTitle = {"\033[22;0t", "\033]2;", "\a", "\033[23;0t"};
constexpr TitleEffect kScreenTitle = {"\033P\033[22;0t\033\\", "\033P\033]2;", "\a\033\\",
                                      "\033P\033[23;0t\033\\"};

// One per kind of terminal, in the order of TerminalKind.
constexpr TitleEffect kTitles[] = {
    kNoTitle,      // kNone
    kPlainTitle,   // kPlain
    kPlainTitle,   // kTmux
    kScreenTitle,  // kScreen
    kNoTitle,      // kLinuxConsole
    kPlainTitle,   // kTilix
    kScreenTitle,  // kScreenInTilix
    kNoTitle,      // kNoColour
};
static_assert(std::size(kTitles) == static_cast<size_t>(kTerminalKinds),
              "kTitles needs one row per TerminalKind");

}  // namespace

TerminalKind RecogniseTerminal(bool on_terminal, const TerminalEnvironment& environment) {
  const char* term = environment.term;
  if (!on_terminal || !IsSet(term) || std::strcmp(term, "dumb") == 0)
    return TerminalKind::kNone;
  if (IsSet(environment.no_color))
    return TerminalKind::kNoColour;
  if (IsSet(environment.tmux))
    return TerminalKind::kTmux;
  if (IsSet(environment.sty))
    return IsSet(environment.tilix_id) ? TerminalKind::kScreenInTilix : TerminalKind::kScreen;
  if (std::strcmp(term, "linux") == 0)
    return TerminalKind::kLinuxConsole;
  if (IsSet(environment.tilix_id))
    return TerminalKind::kTilix;
  return TerminalKind::kPlain;
}

CommandEffect ConsoleEffectOf(TerminalKind kind, std::string_view command) {
  for (int i = 0; i < kCommandCount; ++i) {
    if (kCommands[i] == command) {
      std::string_view bytes = kEffects[static_cast<int>(kind)].bytes[i];
      return {bytes.empty() ? CommandEffect::kDrawNothing : CommandEffect::kWriteBytes, bytes};
    }
  }
  return {CommandEffect::kNotAnEffect, {}};
}

bool TakesWindowSize(TerminalKind kind) {
  // NO_COLOR hides which terminal it is, the Linux console among them: not asked there.
  return kind == TerminalKind::kPlain || kind == TerminalKind::kTilix;
}

TitleEffect WindowTitleOf(TerminalKind kind) {
  return kTitles[static_cast<int>(kind)];
}
