// The console effects ("cls", "color 07", "color 0C") on a terminal: which kind of terminal
// standard output is, and the escape sequences that draw each effect there, kept as a table.
#ifndef CONSOLE_CONSOLE_EFFECTS_H_
#define CONSOLE_CONSOLE_EFFECTS_H_

#include <optional>
#include <string_view>

/// The kinds of terminal that set the whole screen's colours each in their own way. The
/// values index the columns of the table of effects.
enum class TerminalKind {
  kNone,          // not a terminal, or one that takes no escape sequences: nothing is drawn
  kPlain,         // xterm and its kin: OSC 10 and 11
  kTmux,          // a tmux pane: OSC 10 and 11, which tmux applies to the pane
  kScreen,        // a GNU screen window: OSC 10 and 11 passed through to the outer terminal
  kLinuxConsole,  // the Linux text console: its palette
};
constexpr int kTerminalKinds = 5;

/// The kind of terminal from what the environment says, without asking the terminal (a reply
/// would mix with the answers being typed). |on_terminal| tells whether standard output is a
/// terminal; |term|, |tmux| and |sty| are the values of TERM, TMUX and STY, null when unset.
/// Not a terminal, or TERM unset, empty or "dumb": kNone. Otherwise, in this order: TMUX set
/// means tmux, STY set means GNU screen (tmux sets TERM=screen too, so TERM cannot tell them
/// apart), TERM "linux" means the Linux console, and anything else is a plain terminal.
TerminalKind RecogniseTerminal(bool on_terminal, const char* term, const char* tmux,
                               const char* sty);

/// The bytes that draw the console command |command| on a terminal of kind |kind|: empty
/// where that kind draws nothing, none at all where |command| is not a console effect.
std::optional<std::string_view> ConsoleEffectBytes(TerminalKind kind, std::string_view command);

#endif  // CONSOLE_CONSOLE_EFFECTS_H_
