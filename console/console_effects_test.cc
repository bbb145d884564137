#include "console/console_effects.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr TerminalKind kDrawingKinds[] = {TerminalKind::kPlain,   TerminalKind::kTmux,
                                          TerminalKind::kScreen,  TerminalKind::kLinuxConsole,
                                          TerminalKind::kTilix,   TerminalKind::kScreenInTilix,
                                          TerminalKind::kNoColour};
constexpr const char* kEffectCommands[] = {"cls", "color 07", "color 0C"};

std::string Bytes(TerminalKind kind, std::string_view command) {
  CommandEffect effect = ConsoleEffectOf(kind, command);
  return effect.action == CommandEffect::kNotAnEffect ? std::string("(not an effect)")
                                                      : std::string(effect.bytes);
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
  const char* kTmux = "/tmp/tmux-0/default,1,0";
  const char* kTilix = "e4f1c2a0-4b7d-4f21-9c3e-0a2b5d6e7f80";
  const struct {
    bool on_terminal;
    TerminalEnvironment environment;  // TERM, TMUX, STY, TILIX_ID, NO_COLOR
    TerminalKind kind;
  } kCases[] = {
      {false, {"xterm", nullptr, nullptr, nullptr, nullptr}, TerminalKind::kNone},
      {false, {"linux", kTmux, "1.pts-0", nullptr, nullptr}, TerminalKind::kNone},
      {true, {nullptr, nullptr, nullptr, nullptr, nullptr}, TerminalKind::kNone},
      {true, {"", nullptr, nullptr, nullptr, nullptr}, TerminalKind::kNone},
      {true, {"dumb", nullptr, nullptr, nullptr, nullptr}, TerminalKind::kNone},
      {true, {"dumb", kTmux, nullptr, nullptr, nullptr}, TerminalKind::kNone},
      {true, {"xterm", nullptr, nullptr, nullptr, nullptr}, TerminalKind::kPlain},
      {true, {"xterm-256color", "", "", "", ""}, TerminalKind::kPlain},
      {true, {"screen", nullptr, nullptr, nullptr, nullptr}, TerminalKind::kPlain},  // TERM alone
      {true, {"screen", kTmux, nullptr, nullptr, nullptr}, TerminalKind::kTmux},
      {true, {"tmux-256color", kTmux, nullptr, nullptr, nullptr}, TerminalKind::kTmux},
      {true, {"screen", nullptr, "1.pts-0.host", nullptr, nullptr}, TerminalKind::kScreen},
      {true, {"screen", kTmux, "1.pts-0.host", nullptr, nullptr}, TerminalKind::kTmux},
      {true, {"linux", nullptr, nullptr, nullptr, nullptr}, TerminalKind::kLinuxConsole},
      {true, {"linux", kTmux, nullptr, nullptr, nullptr}, TerminalKind::kTmux},
      {true, {"linux", nullptr, "1.tty1.host", nullptr, nullptr}, TerminalKind::kScreen},
      {true, {"linux-16color", nullptr, nullptr, nullptr, nullptr}, TerminalKind::kPlain},
      {true, {"xterm-256color", nullptr, nullptr, kTilix, nullptr}, TerminalKind::kTilix},
      {true, {"tmux-256color", kTmux, nullptr, kTilix, nullptr}, TerminalKind::kTmux},
      {true, {"screen", nullptr, "1.pts-0.host", kTilix, nullptr}, TerminalKind::kScreenInTilix},
      {true, {"linux", nullptr, nullptr, kTilix, nullptr}, TerminalKind::kLinuxConsole},
      {false, {"xterm-256color", nullptr, nullptr, kTilix, nullptr}, TerminalKind::kNone},
      {true, {"xterm", nullptr, nullptr, nullptr, "1"}, TerminalKind::kNoColour},
      {true, {"linux", kTmux, "1.tty1.host", kTilix, "yes"}, TerminalKind::kNoColour},
      {true, {"dumb", nullptr, nullptr, nullptr, "1"}, TerminalKind::kNone},
      {false, {"xterm", nullptr, nullptr, nullptr, "1"}, TerminalKind::kNone},
  };
  for (const auto& c : kCases) {
    const TerminalEnvironment& e = c.environment;
    auto shown = [](const char* value) { return value ? value : "(unset)"; };
    EXPECT_EQ(RecogniseTerminal(c.on_terminal, e), c.kind)
        << c.on_terminal << " TERM=" << shown(e.term) << " TMUX=" << shown(e.tmux)
        << " STY=" << shown(e.sty) << " TILIX_ID=" << shown(e.tilix_id)
        << " NO_COLOR=" << shown(e.no_color);
  }
}

TEST(ConsoleEffectBytes, OnlyTheEffectsAreEffects) {
  for (const char* command : {"qor", "cls ", "color", "color 0c", "color 7", "CLS", ""}) {
    EXPECT_EQ(Bytes(TerminalKind::kPlain, command), "(not an effect)") << command;
    EXPECT_EQ(Bytes(TerminalKind::kNone, command), "(not an effect)") << command;
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

TEST(ConsoleEffectBytes, TheLinuxConsoleTakesItsPaletteAndRepaintsEveryCell) {
  // Reverse video on and off: a framebuffer console redraws every cell in the new palette.
  EXPECT_EQ(Bytes(TerminalKind::kLinuxConsole, "color 07"),
            "\033]P00c0c0c\033]P7cccccc\033[?5h\033[?5l\033[0m");
  EXPECT_EQ(Bytes(TerminalKind::kLinuxConsole, "color 0C"),
            "\033]P00c0c0c\033]P7e74856\033[?5h\033[?5l\033[0m");
}

TEST(ConsoleEffectBytes, TilixChangesTheTextColourOnlyAlsoThroughScreen) {
  // Tilix paints its profile's background whatever it is told: red text for a wrong answer,
  // the profile's own text colour for a right one, and never a background.
  EXPECT_EQ(Bytes(TerminalKind::kTilix, "color 0C"),
            "\033]10;rgb:e7/48/56\a\033]10;#e74856\a\033[0m");
  EXPECT_EQ(Bytes(TerminalKind::kTilix, "color 07"), "\033]110\a\033[0m");
  for (const char* command : {"color 07", "color 0C"}) {
    EXPECT_EQ(Bytes(TerminalKind::kScreenInTilix, command),
              WrappedForScreen(Bytes(TerminalKind::kTilix, command)))
        << command;
  }
}

TEST(ConsoleEffectBytes, NoColourClearsButNeverColours) {
  EXPECT_EQ(Bytes(TerminalKind::kNoColour, "color 07"), "");
  EXPECT_EQ(Bytes(TerminalKind::kNoColour, "color 0C"), "");
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

TEST(ConsoleEffects, OnlyAWindowOfItsOwnIsAskedForASize) {
  const struct {
    TerminalKind kind;
    bool takes;
  } kCases[] = {
      {TerminalKind::kNone, false},          {TerminalKind::kPlain, true},
      {TerminalKind::kTmux, false},          {TerminalKind::kScreen, false},
      {TerminalKind::kLinuxConsole, false},  {TerminalKind::kTilix, true},
      {TerminalKind::kScreenInTilix, false}, {TerminalKind::kNoColour, false},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(TakesWindowSize(c.kind), c.takes) << static_cast<int>(c.kind);
}
