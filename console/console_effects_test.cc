#include "console/console_effects.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr TerminalKind kDrawingKinds[] = {TerminalKind::kPlain, TerminalKind::kTmux,
                                          TerminalKind::kScreen, TerminalKind::kLinuxConsole};
constexpr const char* kEffectCommands[] = {"cls", "color 07", "color 0C"};

std::string Bytes(TerminalKind kind, std::string_view command) {
  std::optional<std::string_view> bytes = ConsoleEffectBytes(kind, command);
  return bytes ? std::string(*bytes) : std::string("(not an effect)");
}

// |plain| with each OSC sequence (ESC ] ... BEL) wrapped in GNU screen's pass-through.
std::string WrappedForScreen(const std::string& plain) {
  std::string wrapped;
  size_t at = 0;
  for (size_t start; (start = plain.find("\033]", at)) != std::string::npos;) {
    size_t end = plain.find('\a', start);
    wrapped += plain.substr(at, start - at);
    wrapped += "\033P" + plain.substr(start, end + 1 - start) + "\033\\";
    at = end + 1;
  }
  return wrapped + plain.substr(at);
}

}  // namespace

TEST(RecogniseTerminal, FromTheEnvironmentInItsOrder) {
  const struct {
    bool on_terminal;
    const char* term;
    const char* tmux;
    const char* sty;
    TerminalKind kind;
  } kCases[] = {
      {false, "xterm", nullptr, nullptr, TerminalKind::kNone},
      {false, "linux", "/tmp/tmux-0/default,1,0", "1.pts-0", TerminalKind::kNone},
      {true, nullptr, nullptr, nullptr, TerminalKind::kNone},
      {true, "", nullptr, nullptr, TerminalKind::kNone},
      {true, "dumb", nullptr, nullptr, TerminalKind::kNone},
      {true, "dumb", "/tmp/tmux-0/default,1,0", nullptr, TerminalKind::kNone},
      {true, "xterm", nullptr, nullptr, TerminalKind::kPlain},
      {true, "xterm-256color", "", "", TerminalKind::kPlain},
      {true, "screen", nullptr, nullptr, TerminalKind::kPlain},  // TERM alone tells nothing
      {true, "screen", "/tmp/tmux-0/default,1,0", nullptr, TerminalKind::kTmux},
      {true, "tmux-256color", "/tmp/tmux-0/default,1,0", nullptr, TerminalKind::kTmux},
      {true, "screen", nullptr, "1.pts-0.host", TerminalKind::kScreen},
      {true, "screen", "/tmp/tmux-0/default,1,0", "1.pts-0.host", TerminalKind::kTmux},
      {true, "linux", nullptr, nullptr, TerminalKind::kLinuxConsole},
      {true, "linux", "/tmp/tmux-0/default,1,0", nullptr, TerminalKind::kTmux},
      {true, "linux", nullptr, "1.tty1.host", TerminalKind::kScreen},
      {true, "linux-16color", nullptr, nullptr, TerminalKind::kPlain},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(RecogniseTerminal(c.on_terminal, c.term, c.tmux, c.sty), c.kind)
        << c.on_terminal << " TERM=" << (c.term ? c.term : "(unset)")
        << " TMUX=" << (c.tmux ? c.tmux : "(unset)") << " STY=" << (c.sty ? c.sty : "(unset)");
  }
}

TEST(ConsoleEffectBytes, OnlyTheEffectsAreEffects) {
  for (const char* command : {"qor", "cls ", "color", "color 0c", "color 7", "CLS", ""}) {
    EXPECT_FALSE(ConsoleEffectBytes(TerminalKind::kPlain, command)) << command;
    EXPECT_FALSE(ConsoleEffectBytes(TerminalKind::kNone, command)) << command;
  }
}

TEST(ConsoleEffectBytes, NothingWhereNoEscapesAreTaken) {
  for (const char* command : kEffectCommands)
    EXPECT_EQ(Bytes(TerminalKind::kNone, command), "") << command;
}

TEST(ConsoleEffectBytes, ClearTheSameWayEverywhere) {
  for (TerminalKind kind : kDrawingKinds)
    EXPECT_EQ(Bytes(kind, "cls"), "\033[0m\033[H\033[2J\033[3J");
}

TEST(ConsoleEffectBytes, PlainTerminalsTakeEachColourInBothForms) {
  EXPECT_EQ(Bytes(TerminalKind::kPlain, "color 0C"),
            "\033]10;rgb:e7/48/56\a\033]10;#e74856\a\033]11;rgb:0c/0c/0c\a\033]11;#0c0c0c\a"
            "\033[0m");
  EXPECT_EQ(Bytes(TerminalKind::kPlain, "color 07"),
            "\033]10;rgb:cc/cc/cc\a\033]10;#cccccc\a\033]11;rgb:0c/0c/0c\a\033]11;#0c0c0c\a"
            "\033[0m");
}

TEST(ConsoleEffectBytes, TmuxTakesThePlainColoursAndScreenPassesEachOneThrough) {
  for (const char* command : {"color 07", "color 0C"}) {
    std::string plain = Bytes(TerminalKind::kPlain, command);
    EXPECT_EQ(Bytes(TerminalKind::kTmux, command), plain) << command;
    EXPECT_EQ(Bytes(TerminalKind::kScreen, command), WrappedForScreen(plain)) << command;
    EXPECT_EQ(Bytes(TerminalKind::kScreen, command).find("\033[0m"),
              Bytes(TerminalKind::kScreen, command).size() - 4)
        << "the attributes are reset by screen itself, after the colours";
  }
}

TEST(ConsoleEffectBytes, TheLinuxConsoleTakesItsPalette) {
  EXPECT_EQ(Bytes(TerminalKind::kLinuxConsole, "color 07"), "\033]P00c0c0c\033]P7cccccc\033[0m");
  EXPECT_EQ(Bytes(TerminalKind::kLinuxConsole, "color 0C"), "\033]P00c0c0c\033]P7e74856\033[0m");
}

TEST(ConsoleEffectBytes, NeverColourCellsOfTheirOwn) {
  // A cell written with an SGR colour keeps it and would not follow the next change.
  for (TerminalKind kind : kDrawingKinds) {
    for (const char* command : kEffectCommands) {
      std::string bytes = Bytes(kind, command);
      for (size_t at = bytes.find("\033["); at != std::string::npos;
           at = bytes.find("\033[", at + 1)) {
        size_t end = bytes.find_first_of(
            "@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~", at + 2);
        ASSERT_NE(end, std::string::npos) << command;
        if (bytes[end] == 'm') {
          EXPECT_EQ(bytes.substr(at, end + 1 - at), "\033[0m") << command << " at " << at;
        }
      }
    }
  }
}
