// The report on a terminal: as it is when the window holds it, through a pager when it is
// longer, as git and man show theirs.
#ifndef REPORT_PAGER_H_
#define REPORT_PAGER_H_

/// Called before anything is written. Where standard output is a terminal, the text written
/// from here on is held until the program ends: shown as it is when it has fewer rows than the
/// window, otherwise through the pager PAGER names (run by the shell), else `less -FRX`, else
/// a page at a time, "-- dalej --" waiting for a key between pages. The program then ends
/// with the report's exit status. A pipe or a file takes the whole text as it comes; on
/// Windows, whose console window scrolls back, nothing changes.
void PageLongReport();

#endif  // REPORT_PAGER_H_
