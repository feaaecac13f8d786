#pragma once

#include "platform/MessageBox.h"

#include <QString>

// Everything rkv3export says while it works, on standard error: the texts of
// the message boxes the viewer's and the canvas's code show (answered at once
// with the box's cancelling answer, so nothing waits for a person), the
// tool's own messages, and a progress line when standard error is a terminal
// and the run is not quiet.
class ConsoleReport {
public:
    explicit ConsoleReport(bool quiet);
    ~ConsoleReport();
    ConsoleReport(const ConsoleReport&) = delete;
    ConsoleReport& operator=(const ConsoleReport&) = delete;

    // A line of the tool's own, "rkv3export: " and the text.
    void say(const QString& text);

    // "page i of N" with a bar of the pages done before it, drawn over the
    // previous progress line.
    void progress(int page, int total);
    // Ends the progress line, if one is shown.
    void finish();

private:
    Platform::MsgAnswer answer(const Platform::MessageRequest& request);
    void writeLine(const QString& text);

    bool showProgress_ = false;
    bool progressShown_ = false;
    int total_ = 0;
    Platform::MessageBox::Responder previous_;
};
