// Where one run of a command line sends its output, notes and failure: stdout's bytes to a stream,
// the notes and the one error line held until the run ends, so that a failing run shows its error
// alone. Each thread runs at most one command line at a time; RunScope names it for the thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace lotto::cli {

using InputTexts = std::map<std::string, std::string, std::less<>>;

struct RunIo {
    std::FILE* out = stdout;        // stdout's bytes
    std::vector<std::string> notes; // stderr's notes, without the program's name
    std::string error;              // the first failure's line, without the program's name
    std::string report;             // with --export=-: the report, which goes to stderr
    bool out_of_memory = false;
    const InputTexts* files = nullptr;              // the input files' texts in place of the disk
    const std::atomic<bool>* cancel = nullptr;      // long searches stop when it becomes true
    std::function<void(std::string_view)> progress; // progress lines of long searches
};

// The current thread's run; a default one (stdout, no files) outside any RunScope.
RunIo& run_io();

// Makes io the current thread's run while the scope lives.
class RunScope {
  public:
    explicit RunScope(RunIo& io);
    ~RunScope();
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

  private:
    RunIo* previous_;
};

// The stream of the current run's stdout.
inline std::FILE* out() { return run_io().out; }

// Records a note (status 0) or the run's failure and returns status.
int fail(const std::string& message, int status);

// Records the run's failure for want of memory, with status 1.
int fail_out_of_memory(const std::string& message);

// Records a note of the current run.
inline void note(const std::string& message) { fail(message, 0); }

// The text of an input file: from the run's files when it has them, else from the disk. Returns
// "" or what is wrong; for the disk, reading is left to the caller (empty text, found = false).
struct InputText {
    bool sent = false; // the run carries its files: text holds the file
    std::string text;
    std::string error; // no such file was sent
};
InputText input_text(const std::string& name);

// "" when the run may write the file at path; else why not (a run carrying its files writes none).
std::string no_file_writes(std::string_view option);

} // namespace lotto::cli
