// Drives a Windows program on the console this driver runs in, as a person at the keyboard
// would, and checks what the console shows: every cell's colours and text, the console's input
// mode during and after the key wait, and the exit code.
//
//   console_driver CASE BIN_DIR WORK_DIR    run one case; 0 when every check held
//   console_driver --list                   the names of the cases, one a line
//
// The program under test is started in the same console (its output on the console, its input
// from the console, a file or a pipe) from WORK_DIR, which holds no program. Keys go in with
// WriteConsoleInputW, the screen is read back cell by cell. What failed goes to standard
// error, which the caller points at a file: the console itself belongs to the test.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Colours of every cell before a program starts (yellow on blue), which neither `color 07`
// nor `color 0C` nor `cls` leaves behind: a cell still in them was not reached by the command.
constexpr WORD kFill = 0x1E;

// The output code page of a console on a Polish system.
constexpr UINT kPolishConsole = 852;

// How long a program may take to reach what a step waits for. Wine on a busy machine can
// take seconds to start the command interpreter.
constexpr DWORD kPatienceMs = 30000;
// How long a key wait must go on after keys that must not end it.
constexpr DWORD kStillWaitingMs = 700;

// The characters of code page 852 that the programs show beyond ASCII, in the order in which
// each case lists how its code page shows them.
constexpr wchar_t kPolish[] = L"ąćęłńóśż█";

enum class Input {
  kConsole,    // the console's keyboard, typed into by the steps
  kAnswers,    // a file holding a round's answers
  kEmptyFile,  // a file that is empty: input ends at the first question
  kPipe,       // a pipe that the steps write answers into
};

enum class Op {
  kType,           // type |text| (letters, digits, Enter as \r, Ctrl+Z as \x1a)
  kAnswer,         // write |text| into the input pipe
  kWaitPrompt,     // wait until the cursor's row ends, at the cursor, with |text|
  kWaitText,       // wait until some row begins with |text|
  kBlank,          // every cell a space in kFill colours, the cursor at the top left
  kExpectColours,  // every cell has the attribute |value|
  kExpectRow,      // row |value| reads |text|, nothing after it
  kExpectLine,     // some row reads |text|, nothing after it
  kExpectNowhere,  // no row holds |text|
  kExpectNoFill,   // no cell is left in kFill colours
  kWaitKeyWait,    // wait until the console's input mode is 0, as the key wait sets it
  kModifiers,      // Shift, Ctrl and Alt each pressed and released alone, then a lone key-up
  kExpectWaiting,  // a moment later the program still runs and the input mode is still 0;
                   // |text| says what was sent before
  kPressLetter,    // press and release x
  kPressCtrlC,     // Ctrl+C as a key: the character 3
  kExpectExit,     // the program ends with exit code 0 and the input mode as it was before
};

struct Step {
  Op op;
  const wchar_t* text = L"";
  int value = 0;
};

struct Case {
  const char* name;
  const wchar_t* program;
  Input input;
  const wchar_t* typed_before;  // typed before the program starts
  UINT code_page;               // the console's output code page while it runs
  const wchar_t* shown;         // how that code page shows each character of kPolish
  std::vector<Step> steps;
};

// The key wait ends only on a key pressed while it waits: what was typed before, and keys
// that are no key press of their own, leave it waiting.
std::vector<Step> KeyWaitSteps(Op ending_key) {
  return {{Op::kWaitKeyWait},
          {Op::kExpectWaiting, L"with no key pressed while it waited"},
          {Op::kModifiers},
          {Op::kExpectWaiting, L"on Shift, Ctrl or Alt pressed alone, or on a lone key-up"},
          {ending_key},
          {Op::kExpectExit}};
}

// A round of qor with the fixed clock, where every question is 9 x 5: the colours after each
// answer. The screen is blanked in kFill colours before each answer, so every cell was on
// screen when `color` ran (nothing scrolls in), and each must have taken its colours. The
// answers come through a pipe: the console would echo them where its read began, at the
// bottom, and scroll.
std::vector<Step> ColourSteps() {
  std::vector<Step> steps = {{Op::kWaitPrompt, L"? "}, {Op::kAnswer, L"5\n"}};
  struct Answer {
    const wchar_t* typed;
    const wchar_t* reply;
    WORD colours;
  };
  const Answer answers[] = {{L"44\n", L" Wcale nie !", 0x0C},
                            {L"45\n", L" Dobrze !", 0x07},
                            {L"45\n", L" Dobrze !", 0x07},
                            {L"54\n", L" Wcale nie !", 0x0C},
                            {L"45\n", L" Dobrze !", 0x07}};
  for (const Answer& answer : answers) {
    steps.push_back({Op::kWaitPrompt, L" 9 x 5 = "});
    steps.push_back({Op::kBlank});
    steps.push_back({Op::kAnswer, answer.typed});
    steps.push_back({Op::kWaitText, answer.reply});
    steps.push_back({Op::kExpectColours, L"", answer.colours});
  }
  steps.push_back({Op::kWaitKeyWait});
  steps.push_back({Op::kPressLetter});
  steps.push_back({Op::kExpectExit});
  return steps;
}

// The menu answered 1 and 1 from another directory: its text as the code page shows it, then
// the screen cleared before qor, found beside the menu, shows its title and asks.
std::vector<Step> MenuSteps() {
  return {
      {Op::kWaitText, L"2. dwudziestu pi"},
      {Op::kExpectLine, L"Pytania mają być do:"},
      {Op::kExpectLine, L"2. dwudziestu pięciu"},
      {Op::kType, L"1\r"},
      {Op::kWaitText, L"2. nie liczy"},
      {Op::kExpectLine, L"Czy chcesz, żeby:"},
      {Op::kExpectLine, L"1. liczyć punkty i po błędzie przejść do następnego pytania?"},
      {Op::kExpectLine, L"2. nie liczyć punktów i po błędzie zostać przy tym samym pytaniu?"},
      {Op::kType, L"1\r"},
      {Op::kWaitText, L" Ile chcesz pyta"},
      {Op::kExpectNoFill},
      {Op::kExpectNowhere, L"TRIVELANKO"},
      {Op::kExpectNowhere, L"Pytania"},
      {Op::kExpectNowhere, L"Czy chcesz"},
      {Op::kExpectRow, L"       ██████   ████   █████   ██      ██   █████  ██████  ██  ██   ████",
       2},
      {Op::kExpectRow, L"          ██    ██  ██  ██   ████   ██████  ██████  ██  ██  ██   ████", 9},
      {Op::kExpectRow, L"                                                           wersja 2.0/qor",
       14},
      {Op::kExpectRow, L"                                                 nauka tabliczki mnożenia",
       15},
      {Op::kExpectRow, L" Ile chcesz pytań ?", 17},
      // Input ended at the count prompt: straight to the closing screen and its key wait.
      {Op::kType, L"\x1a\r"},
      {Op::kWaitKeyWait},
      {Op::kPressLetter},
      {Op::kExpectExit},
  };
}

std::vector<Case> Cases() {
  return {
      // Answers typed at the console, the last one with Enter pressed twice.
      {"key_wait_after_typed_answers", L"qor_fixed_clock.exe", Input::kConsole,
       L"5\r45\r45\r45\r45\r45\r\r", 852, kPolish, KeyWaitSteps(Op::kPressLetter)},
      {"key_wait_with_answers_from_a_file", L"qor_fixed_clock.exe", Input::kAnswers, L"x\r", 852,
       kPolish, KeyWaitSteps(Op::kPressCtrlC)},
      {"key_wait_with_input_ended_at_once", L"qor_fixed_clock.exe", Input::kEmptyFile, L"x\r", 852,
       kPolish, KeyWaitSteps(Op::kPressLetter)},
      {"colours_after_each_answer", L"qor_fixed_clock.exe", Input::kPipe, L"", 852, kPolish,
       ColourSteps()},
      {"menu_clears_then_starts_qor_cp852", L"trivelanko.exe", Input::kConsole, L"", 852, kPolish,
       MenuSteps()},
      {"menu_clears_then_starts_qor_cp437", L"trivelanko.exe", Input::kConsole, L"", 437,
       L"acelnósz█", MenuSteps()},
      {"menu_clears_then_starts_qor_cp1250", L"trivelanko.exe", Input::kConsole, L"", 1250,
       L"ąćęłńóśż#", MenuSteps()},
      {"menu_clears_then_starts_qor_cp65001", L"trivelanko.exe", Input::kConsole, L"", 65001,
       kPolish, MenuSteps()},
      {"menu_clears_then_starts_qor_cp866", L"trivelanko.exe", Input::kConsole, L"", 866,
       L"acelnosz█", MenuSteps()},
  };
}

// ---- The console as the test sees it.

// A case while it runs: the console, the program under test, what failed so far.
struct Run {
  HANDLE keyboard = INVALID_HANDLE_VALUE;  // CONIN$
  HANDLE screen = INVALID_HANDLE_VALUE;    // CONOUT$
  HANDLE answers = INVALID_HANDLE_VALUE;   // the input pipe's end that the steps write into
  HANDLE process = nullptr;
  DWORD mode_before = 0;  // the console's input mode before the program started
  int failures = 0;
};

// One line on standard error, at once.
void Report(const std::string& line) {
  std::fputs(line.c_str(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

// |text| as UTF-8, for the report.
std::string Utf8(const std::wstring& text) {
  if (text.empty())
    return std::string();
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size,
                      nullptr, nullptr);
  return out;
}

// UTF-8 (or ASCII) |text| as UTF-16.
std::wstring Wide(const char* text) {
  int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  std::wstring out(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, &out[0], size);
  out.resize(static_cast<size_t>(size - 1));
  return out;
}

struct Screen {
  int width = 0;
  int height = 0;
  COORD cursor{};
  std::vector<wchar_t> text;
  std::vector<WORD> colours;

  // Row |y| without the spaces at its end.
  std::wstring Row(int y) const {
    std::wstring row(text.begin() + y * width, text.begin() + (y + 1) * width);
    row.erase(row.find_last_not_of(L' ') + 1);
    return row;
  }
};

// Every cell of the console's screen buffer, and where the cursor is.
Screen Look(const Run& run) {
  Screen shot;
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(run.screen, &info))
    return shot;
  shot.width = info.dwSize.X;
  shot.height = info.dwSize.Y;
  shot.cursor = info.dwCursorPosition;
  DWORD cells = static_cast<DWORD>(shot.width * shot.height);
  shot.text.assign(cells, L' ');
  shot.colours.assign(cells, 0);
  DWORD read = 0;
  ReadConsoleOutputCharacterW(run.screen, shot.text.data(), cells, COORD{0, 0}, &read);
  ReadConsoleOutputAttribute(run.screen, shot.colours.data(), cells, COORD{0, 0}, &read);
  for (WORD& colours : shot.colours)
    colours &= 0xFF;  // the grid and reverse-video flags are not colours
  return shot;
}

// The screen's rows on standard error, each with the colours of its first cell.
void ReportScreen(const Screen& shot) {
  Report("  the screen (" + std::to_string(shot.width) + " x " + std::to_string(shot.height) +
         ", cursor at row " + std::to_string(shot.cursor.Y) + " column " +
         std::to_string(shot.cursor.X) + "):");
  for (int y = 0; y < shot.height; ++y) {
    char colours[8];
    std::snprintf(colours, sizeof colours, "%02X",
                  shot.colours[static_cast<size_t>(y * shot.width)]);
    Report("  " + std::string(y < 10 ? " " : "") + std::to_string(y) + " [" + colours + "] |" +
           Utf8(shot.Row(y)));
  }
}

// Reports a check that did not hold; the screen goes with the first such report of a case.
void Fail(Run& run, const std::string& what, bool show_screen = true) {
  Report("FAILED: " + what);
  if (show_screen && run.failures == 0)
    ReportScreen(Look(run));
  ++run.failures;
}

// A key event as the keyboard makes it: |character| is 0 for keys that send none.
INPUT_RECORD Key(bool down, WORD virtual_key, wchar_t character, DWORD state) {
  INPUT_RECORD record{};
  record.EventType = KEY_EVENT;
  record.Event.KeyEvent.bKeyDown = down;
  record.Event.KeyEvent.wRepeatCount = 1;
  record.Event.KeyEvent.wVirtualKeyCode = virtual_key;
  record.Event.KeyEvent.uChar.UnicodeChar = character;
  record.Event.KeyEvent.dwControlKeyState = state;
  return record;
}

// Puts |records| into the console's input, after whatever is there.
void Send(Run& run, const std::vector<INPUT_RECORD>& records) {
  DWORD written = 0;
  if (!WriteConsoleInputW(run.keyboard, records.data(), static_cast<DWORD>(records.size()),
                          &written) ||
      written != records.size())
    Fail(run, "the keys could not be written to the console's input", false);
}

// Each character pressed and released: digits, letters, space, Enter (\r), Ctrl+Z (\x1a).
void Type(Run& run, const wchar_t* text) {
  std::vector<INPUT_RECORD> records;
  for (const wchar_t* c = text; *c; ++c) {
    WORD key = 0;
    DWORD state = 0;
    if (*c == L'\r')
      key = VK_RETURN;
    else if (*c == L' ')
      key = VK_SPACE;
    else if (*c == 0x1A)
      key = 'Z', state = LEFT_CTRL_PRESSED;
    else if (*c >= L'a' && *c <= L'z')
      key = static_cast<WORD>(*c - L'a' + L'A');
    else
      key = static_cast<WORD>(*c);
    records.push_back(Key(true, key, *c, state));
    records.push_back(Key(false, key, *c, state));
  }
  Send(run, records);
}

// The console's input mode now (all bits set if it cannot be read).
DWORD InputMode(const Run& run) {
  DWORD mode = 0xFFFFFFFF;
  GetConsoleMode(run.keyboard, &mode);
  return mode;
}

// Fills the whole buffer with spaces in |colours| and puts the cursor at the top left.
void Blank(const Run& run, WORD colours) {
  CONSOLE_SCREEN_BUFFER_INFO info;
  GetConsoleScreenBufferInfo(run.screen, &info);
  DWORD cells = static_cast<DWORD>(info.dwSize.X * info.dwSize.Y);
  DWORD done = 0;
  FillConsoleOutputCharacterW(run.screen, L' ', cells, COORD{0, 0}, &done);
  FillConsoleOutputAttribute(run.screen, colours, cells, COORD{0, 0}, &done);
  SetConsoleCursorPosition(run.screen, COORD{0, 0});
}

// |text| with each character of kPolish as the case's code page shows it.
std::wstring Shown(const wchar_t* text, const Case& test) {
  std::wstring out(text);
  for (wchar_t& c : out) {
    if (const wchar_t* at = std::wcschr(kPolish, c); at && c != L'\0')  // not the terminator
      c = test.shown[at - kPolish];
  }
  return out;
}

// Waits until |condition| holds, for kPatienceMs at most; false if it never did, or not once
// |process| had ended.
template <typename Condition>
bool WaitUntil(Condition condition, HANDLE process) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition())
      return true;
    if (GetTickCount() - start > kPatienceMs)
      return false;
    // A program that has ended will show nothing more: no point in waiting for it.
    if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0) {
      Sleep(200);  // what it wrote last may still be on its way to the screen
      return condition();
    }
  }
}

// Whether some row holds |text| (at its start, when |at_start|).
bool RowHolds(const Screen& shot, const std::wstring& text, bool at_start) {
  for (int y = 0; y < shot.height; ++y) {
    size_t at = shot.Row(y).find(text);
    if (at != std::wstring::npos && (!at_start || at == 0))
      return true;
  }
  return false;
}

// Runs one step; false when the case cannot go on.
bool RunStep(const Step& step, const Case& test, Run& run) {
  std::wstring text = Shown(step.text, test);
  switch (step.op) {
    case Op::kType:
      Type(run, step.text);
      return true;
    case Op::kAnswer: {
      std::string bytes = Utf8(step.text);
      DWORD written = 0;
      if (!WriteFile(run.answers, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) ||
          written != bytes.size()) {
        Fail(run, "the answer could not be written to the program's input");
        return false;
      }
      return true;
    }
    case Op::kWaitPrompt:
      if (!WaitUntil(
              [&] {
                Screen shot = Look(run);
                if (shot.height == 0)
                  return false;
                std::wstring row(shot.text.begin() + shot.cursor.Y * shot.width,
                                 shot.text.begin() + shot.cursor.Y * shot.width + shot.cursor.X);
                return row.size() >= text.size() &&
                       row.compare(row.size() - text.size(), text.size(), text) == 0;
              },
              run.process)) {
        Fail(run, "no prompt \"" + Utf8(text) + "\" at the cursor");
        return false;
      }
      return true;
    case Op::kWaitText:
      if (!WaitUntil([&] { return RowHolds(Look(run), text, true); }, run.process)) {
        Fail(run, "no row begins with \"" + Utf8(text) + "\"");
        return false;
      }
      return true;
    case Op::kBlank:
      Blank(run, kFill);
      return true;
    case Op::kExpectColours: {
      Screen shot = Look(run);
      int wrong = 0;
      std::string first;
      for (size_t i = 0; i < shot.colours.size(); ++i) {
        if (shot.colours[i] == step.value)
          continue;
        if (wrong++ == 0) {
          char where[96];
          std::snprintf(where, sizeof where, "row %d column %d has %02X",
                        static_cast<int>(i) / shot.width, static_cast<int>(i) % shot.width,
                        shot.colours[i]);
          first = where;
        }
      }
      if (wrong > 0) {
        char what[160];
        std::snprintf(what, sizeof what, "%d of %d cells are not in colours %02X (first: %s)",
                      wrong, static_cast<int>(shot.colours.size()), step.value, first.c_str());
        Fail(run, what);
      }
      return true;
    }
    case Op::kExpectRow: {
      Screen shot = Look(run);
      if (step.value >= shot.height || shot.Row(step.value) != text)
        Fail(run, "row " + std::to_string(step.value) + " is not \"" + Utf8(text) + "\"");
      return true;
    }
    case Op::kExpectLine: {
      Screen shot = Look(run);
      bool found = false;
      for (int y = 0; y < shot.height && !found; ++y)
        found = shot.Row(y) == text;
      if (!found)
        Fail(run, "no row reads exactly \"" + Utf8(text) + "\"");
      return true;
    }
    case Op::kExpectNowhere:
      if (RowHolds(Look(run), text, false))
        Fail(run, "\"" + Utf8(text) + "\" is still on the screen");
      return true;
    case Op::kExpectNoFill: {
      Screen shot = Look(run);
      int filled = 0;
      for (WORD colours : shot.colours)
        filled += colours == kFill;
      if (filled > 0)
        Fail(run, std::to_string(filled) +
                      " cells still have the colours they had before the program "
                      "started: the screen was not cleared");
      return true;
    }
    case Op::kWaitKeyWait:
      if (!WaitUntil([&] { return InputMode(run) == 0; }, run.process)) {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(run.process, &code);
        if (code != STILL_ACTIVE)
          Fail(run, "the program ended (exit code " + std::to_string(code) +
                        ") without waiting for a key pressed after the closing screen appeared");
        else
          Fail(run, "the key wait did not begin (the console's input mode never became 0; it is " +
                        std::to_string(InputMode(run)) + ")");
        return false;
      }
      return true;
    case Op::kModifiers:
      Send(run, {Key(true, VK_SHIFT, 0, SHIFT_PRESSED), Key(false, VK_SHIFT, 0, 0),
                 Key(true, VK_CONTROL, 0, LEFT_CTRL_PRESSED), Key(false, VK_CONTROL, 0, 0),
                 Key(true, VK_MENU, 0, LEFT_ALT_PRESSED), Key(false, VK_MENU, 0, 0),
                 Key(true, VK_RSHIFT, 0, SHIFT_PRESSED), Key(false, VK_RSHIFT, 0, 0),
                 Key(false, 'A', L'a', 0)});
      return true;
    case Op::kExpectWaiting:
      if (WaitForSingleObject(run.process, kStillWaitingMs) != WAIT_TIMEOUT) {
        Fail(run, "the key wait ended " + Utf8(step.text));
        return false;
      }
      if (InputMode(run) != 0) {
        Fail(run, "the console's input mode changed during the key wait");
        return false;
      }
      return true;
    case Op::kPressLetter:
      Send(run, {Key(true, 'X', L'x', 0), Key(false, 'X', L'x', 0)});
      return true;
    case Op::kPressCtrlC:
      Send(run, {Key(true, VK_CONTROL, 0, LEFT_CTRL_PRESSED), Key(true, 'C', 3, LEFT_CTRL_PRESSED),
                 Key(false, 'C', 3, LEFT_CTRL_PRESSED), Key(false, VK_CONTROL, 0, 0)});
      return true;
    case Op::kExpectExit: {
      if (WaitForSingleObject(run.process, kPatienceMs) != WAIT_OBJECT_0) {
        Fail(run, "the program did not end after the key");
        return false;
      }
      DWORD code = 0;
      GetExitCodeProcess(run.process, &code);
      if (code != 0)
        Fail(run, "the program ended with exit code " + std::to_string(code) + ", not 0", false);
      if (InputMode(run) != run.mode_before)
        Fail(run,
             "the console's input mode is " + std::to_string(InputMode(run)) +
                 " after the program, " + std::to_string(run.mode_before) + " before it",
             false);
      return true;
    }
  }
  return true;
}

// |path| opened as a handle that a started program inherits.
HANDLE Inheritable(const std::wstring& path, DWORD access, DWORD creation) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, creation,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Makes the file |path| hold exactly |text|.
void WriteFileText(const std::wstring& path, const char* text) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
  CloseHandle(file);
}

// Starts the case's program in this console with its input and code page, runs the steps until
// one cannot go on, and ends whatever the program started. 0 when every check held.
int RunCase(const Case& test, const std::wstring& bin_dir, const std::wstring& work_dir) {
  Run run;
  run.keyboard =
      CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  run.screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (run.keyboard == INVALID_HANDLE_VALUE || run.screen == INVALID_HANDLE_VALUE ||
      !GetConsoleMode(run.keyboard, &run.mode_before)) {
    Fail(run, "no console to run in (start this inside a terminal, under wine)", false);
    return 1;
  }

  // Code page 852 is the console's own, as on a Polish system; any other is set for the case.
  UINT given = GetConsoleOutputCP();
  if (test.code_page != kPolishConsole && !SetConsoleOutputCP(test.code_page)) {
    Fail(run, "the console's output code page cannot be set to " + std::to_string(test.code_page),
         false);
    return 1;
  }
  if (GetConsoleOutputCP() != test.code_page) {
    Fail(run,
         "the console's output code page is " + std::to_string(GetConsoleOutputCP()) + ", not " +
             std::to_string(test.code_page) +
             " (852 comes from a Polish locale: LC_ALL=pl_PL.UTF-8)",
         false);
    return 1;
  }
  Report("output code page " + std::to_string(test.code_page) + " (the console started with " +
         std::to_string(given) + ")");

  FlushConsoleInputBuffer(run.keyboard);
  SetConsoleTextAttribute(run.screen, 0x07);
  Blank(run, kFill);
  Type(run, test.typed_before);

  HANDLE input = INVALID_HANDLE_VALUE;
  if (test.input == Input::kConsole) {
    input = Inheritable(L"CONIN$", GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
  } else if (test.input == Input::kPipe) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    CreatePipe(&input, &run.answers, &inherit, 0);
    SetHandleInformation(run.answers, HANDLE_FLAG_INHERIT, 0);
  } else {
    std::wstring path = work_dir + L"\\answers.txt";
    WriteFileText(path, test.input == Input::kAnswers ? "5\r\n45\r\n45\r\n45\r\n45\r\n45\r\n" : "");
    input = Inheritable(path, GENERIC_READ, OPEN_EXISTING);
  }
  HANDLE output = Inheritable(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = output;
  startup.hStdError = output;
  std::wstring path = bin_dir + L"\\" + test.program;
  std::wstring command_line = L"\"" + path + L"\"";
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(path.c_str(), &command_line[0], nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                      nullptr, work_dir.c_str(), &startup, &started)) {
    Fail(run, "cannot start " + Utf8(path) + " (error " + std::to_string(GetLastError()) + ")",
         false);
    return 1;
  }
  // Everything the program starts (the command interpreter, qor) goes with it at the end.
  HANDLE job = CreateJobObjectW(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  AssignProcessToJobObject(job, started.hProcess);
  run.process = started.hProcess;
  ResumeThread(started.hThread);
  CloseHandle(input);
  CloseHandle(output);

  for (const Step& step : test.steps) {
    if (!RunStep(step, test, run))
      break;
  }

  TerminateJobObject(job, 1);
  WaitForSingleObject(started.hProcess, 5000);
  CloseHandle(job);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  if (run.answers != INVALID_HANDLE_VALUE)
    CloseHandle(run.answers);
  return run.failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<Case> cases = Cases();
  if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
    for (const Case& test : cases)
      std::printf("%s\n", test.name);
    return 0;
  }
  if (argc != 4) {
    Report("usage: console_driver CASE BIN_DIR WORK_DIR | --list");
    return 2;
  }
  for (const Case& test : cases) {
    if (std::strcmp(argv[1], test.name) == 0)
      return RunCase(test, Wide(argv[2]), Wide(argv[3]));
  }
  Report(std::string("no case named ") + argv[1]);
  return 2;
}
