// The console effects ("cls", "color 07", "color 0C") on a terminal: which kind of terminal
// standard output is, and the escape sequences that draw each effect there, kept as a table.
#ifndef CONSOLE_CONSOLE_EFFECTS_H_
#define CONSOLE_CONSOLE_EFFECTS_H_

#include <string_view>

/// The kinds of terminal that set the whole screen's colours each in their own way. The
/// values index the rows of the table of effects, one row per kind, in this order.
enum class TerminalKind {
  kNone,           // not a terminal, or one that takes no escape sequences: nothing is drawn
  kPlain,          // xterm and its kin: OSC 10 and 11
  kTmux,           // a tmux pane: OSC 10 and 11, which tmux applies to the pane
  kScreen,         // a GNU screen window: OSC 10 and 11 passed through to the outer terminal
  kLinuxConsole,   // the Linux text console: its palette, then every cell repainted
  kTilix,          // Tilix: the text colour only (OSC 10, OSC 110); it keeps its background
  kScreenInTilix,  // GNU screen inside Tilix: Tilix's sequences passed through
  kNoColour,       // NO_COLOR set: the screen is cleared, its colours are never changed
};
constexpr int kTerminalKinds = static_cast<int>(TerminalKind::kNoColour) + 1;  // kNoColour last

/// What the environment says about the terminal; each value null when unset.
struct TerminalEnvironment {
  const char* term;      // TERM
  const char* tmux;      // TMUX, set inside tmux
  const char* sty;       // STY, set inside GNU screen
  const char* tilix_id;  // TILIX_ID, set by Tilix
  const char* no_color;  // NO_COLOR, set by a user who wants no colours changed
};

/// The kind of terminal from what the environment says, without asking the terminal (a reply
/// would mix with the answers being typed). |on_terminal| tells whether standard output is a
/// terminal. Not a terminal, or TERM unset, empty or "dumb": kNone. Otherwise, in this order:
/// NO_COLOR set and not empty means kNoColour, whatever the terminal; TMUX set means tmux;
/// STY set means GNU screen (tmux sets TERM=screen too, so TERM cannot tell them apart),
/// inside Tilix when TILIX_ID is set too; TERM "linux" means the Linux console; TILIX_ID set
/// means Tilix; anything else is a plain terminal.
TerminalKind RecogniseTerminal(bool on_terminal, const TerminalEnvironment& environment);

/// What a command line comes to on a terminal of some kind.
struct CommandEffect {
  enum Action {
    kNotAnEffect,  // not a console effect: nothing to draw
    kDrawNothing,  // a console effect that this kind of terminal does not draw
    kWriteBytes,   // a console effect, drawn by writing |bytes| into the output stream
  } action;
  std::string_view bytes;  // with kWriteBytes
};

/// What the console command |command| comes to on a terminal of kind |kind|.
CommandEffect ConsoleEffectOf(TerminalKind kind, std::string_view command);

/// True when a terminal of kind |kind| may be asked to resize its window (CSI 8 ; rows ;
/// columns t): GNOME Terminal and the other VTE terminals (Tilix among them) and xfce4-terminal
/// honour it, xterm and Konsole ignore it harmlessly. Never inside tmux or GNU screen (the
/// window is theirs, not the pane's), nor on the Linux console, which would show it.
bool TakesWindowSize(TerminalKind kind);

/// How a terminal of some kind is given a window title: the title it has is saved on its title
/// stack (|save|), the new one set between |set_before| and |set_after|, and the saved one
/// taken back (|restore|). All empty where the kind takes no title.
struct TitleEffect {
  std::string_view save;
  std::string_view set_before;
  std::string_view set_after;
  std::string_view restore;
};

/// How a terminal of kind |kind| takes a window title: xterm and its kin (Tilix, GNOME Terminal,
/// Konsole) and tmux keep a stack of titles (CSI 22 ; 0 t pushes, CSI 23 ; 0 t pops) and take
/// the title by OSC 2; GNU screen passes the same through to the outer terminal. The Linux
/// console would show the sequence as text, and NO_COLOR hides whether it is that console:
/// neither takes a title, nor anything that is not a terminal.
TitleEffect WindowTitleOf(TerminalKind kind);

#endif  // CONSOLE_CONSOLE_EFFECTS_H_
