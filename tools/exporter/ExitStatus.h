#pragma once

// What rkv3export tells the shell.
enum ExitStatus {
    ExitWritten = 0,       // every requested page was written
    ExitUsage = 1,         // bad usage: the message and the usage went to standard error
    ExitNoModel = 2,       // the model could not be opened, or --scheme names no file
    ExitPageFailed = 3,    // at least one page could not be loaded or written
};
