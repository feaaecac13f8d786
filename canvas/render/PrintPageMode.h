#pragma once

// Where a page sits in a print job, as PrintImage's PageMode takes it: a
// job of one page, or the first, a middle or the last page of several. The
// first page of a job (single or first) chooses and sets up the printer; the
// last page of a job (single or last) ends it; the others go on to a new
// sheet. Any other value only draws.
enum PrintPageMode : int { SinglePage = 0, FirstPage = 1, MiddlePage = 2, LastPage = 3 };

// The mode of a page of a job by whether it is the job's first and its last.
constexpr PrintPageMode PageModeFor(bool first, bool last)
{
    if (last) return first ? SinglePage : LastPage;
    return first ? FirstPage : MiddlePage;
}

constexpr bool StartsPrintJob(int pageMode) { return pageMode == SinglePage || pageMode == FirstPage; }
constexpr bool EndsPrintJob(int pageMode) { return pageMode == SinglePage || pageMode == LastPage; }
constexpr bool StartsNewSheet(int pageMode) { return pageMode == FirstPage || pageMode == MiddlePage; }
