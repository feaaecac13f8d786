#include "exporter/ConsoleReport.h"

#include "exporter/TerminalText.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int BarWidth = 30;

}  // namespace

ConsoleReport::ConsoleReport(bool quiet)
    : showProgress_(!quiet && isatty(fileno(stderr)))
{
    previous_ = Platform::MessageBox::setResponder(
        [this](const Platform::MessageRequest& request) { return answer(request); });
}

ConsoleReport::~ConsoleReport()
{
    finish();
    Platform::MessageBox::setResponder(std::move(previous_));
}

Platform::MsgAnswer ConsoleReport::answer(const Platform::MessageRequest& request)
{
    // One message, one line, word for word: the message's own line breaks
    // become blanks, and a lone CR, which could draw over the line, is shown
    // escaped with the other controls.
    QString text = request.text;
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    writeLine(text);
    switch (request.buttons) {
    case Platform::MsgButtons::OkOnly: return Platform::MsgAnswer::Ok;
    case Platform::MsgButtons::YesNo: return Platform::MsgAnswer::No;
    case Platform::MsgButtons::OkCancel:
    case Platform::MsgButtons::YesNoCancel: break;
    }
    return Platform::MsgAnswer::Cancel;
}

void ConsoleReport::say(const QString& text) { writeLine(QStringLiteral("rkv3export: ") + text); }

void ConsoleReport::writeLine(const QString& text)
{
    // A message takes the progress line's place; the next step draws it again.
    if (progressShown_) std::fputs("\r\033[K", stderr);
    progressShown_ = false;
    // Every line carries names from files: their control characters are shown
    // escaped, never sent to the terminal.
    std::fprintf(stderr, "%s\n", TerminalText(text).toLocal8Bit().constData());
    std::fflush(stderr);
}

void ConsoleReport::progress(int page, int total)
{
    if (!showProgress_ || total <= 0) return;
    total_ = total;
    // The bar shows the pages finished before this one.
    const int filled = int(qint64(BarWidth) * std::clamp(page - 1, 0, total) / total);
    const QString bar = QString(filled, QLatin1Char('#')) + QString(BarWidth - filled, QLatin1Char('-'));
    std::fprintf(stderr, "\r\033[Kpage %d of %d [%s]", page, total, bar.toLatin1().constData());
    std::fflush(stderr);
    progressShown_ = true;
}

void ConsoleReport::finish()
{
    // The run is over: the last line shows the whole bar.
    if (progressShown_)
        std::fprintf(stderr, "\r\033[Kpage %d of %d [%s]\n", total_, total_,
                     QByteArray(BarWidth, '#').constData());
    progressShown_ = false;
}
