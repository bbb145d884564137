#include "console/console_effects.h"

#include <cstring>

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
// hex digits, no terminator) recolour every cell shown in them at once: entry 0 is the
// background, entry 7 the ordinary text.
constexpr char kLinuxGrey[] = "\033]P00c0c0c\033]P7cccccc\033[0m";
constexpr char kLinuxRed[] = "\033]P00c0c0c\033]P7e74856\033[0m";

struct Effect {
  std::string_view command;
  std::string_view bytes[kTerminalKinds];  // indexed by TerminalKind
};

// none, plain, tmux, GNU screen, Linux console
constexpr Effect kEffects[] = {
    {"cls", {"", kClear, kClear, kClear, kClear}},
    {"color 07", {"", kPlainGrey, kPlainGrey, kScreenGrey, kLinuxGrey}},
    {"color 0C", {"", kPlainRed, kPlainRed, kScreenRed, kLinuxRed}},
};

}  // namespace

TerminalKind RecogniseTerminal(bool on_terminal, const char* term, const char* tmux,
                               const char* sty) {
  if (!on_terminal || !IsSet(term) || std::strcmp(term, "dumb") == 0)
    return TerminalKind::kNone;
  if (IsSet(tmux))
    return TerminalKind::kTmux;
  if (IsSet(sty))
    return TerminalKind::kScreen;
  if (std::strcmp(term, "linux") == 0)
    return TerminalKind::kLinuxConsole;
  return TerminalKind::kPlain;
}

std::optional<std::string_view> ConsoleEffectBytes(TerminalKind kind, std::string_view command) {
  for (const Effect& effect : kEffects) {
    if (effect.command == command)
      return effect.bytes[static_cast<int>(kind)];
  }
  return std::nullopt;
}
