#include "cli/texts.h"

#include "app/catalogue.h"
#include "engine/settings.h"

namespace lotto::cli {

std::string usage_text() {
    return "Usage: lotto739-cli [OPTION]...\n"
           "Counts and stores the combinations of 7 out of 39 (or of N, see --game) that pass\n"
           "the chosen filters.\n"
           "With no option every filter is off and the full system is stored.\n"
           "\n"
           "Settings:\n"
           "      --game 7/N            play the game 7 out of 1..N (N 8..64; default 7/39)\n"
           "  -f, --filter K[=P][,...]  switch filter K (1..64) on, with parameter P if given\n"
           "  -p, --param K=P[,...]     set filter K's parameter without switching it on\n"
           "  -r, --range NAME=S-E      set range NAME (A1 A2 B1 B2 C1 C2 D1 D2 E1 E2) to S..E\n"
           "      --array7 LIST         numbers 0..N for positions 1.. of the 7-element array\n"
           "      --array15 LIST        numbers 0..N for positions 1.. of the 15-element array\n"
           "                            (0 or left out = empty; 1-15 stands for 1 to 15;\n"
           "                            commas, semicolons or spaces between the items)\n"
           "      --settings FILE       read settings from FILE (one option a line, # comments)\n"
           "      --save-settings FILE  write the settings in force to FILE once the command\n"
           "                            succeeds (- to stdout, ahead of text output only)\n"
           "Outputs of the count run:\n"
           "      --page P              print page P (1000 combinations each) after the report\n"
           "      --export[=DIR]        write the text file into the folder DIR (default:\n"
           "                            the current folder);\n"
           "                            --export=- writes it to stdout, the report to stderr\n"
           "      --stats               print how often each number occurs\n"
           "      --sample N            print N distinct stored combinations drawn at random\n"
           "      --seed S              the draw's seed (0..2^64-1), to repeat it\n"
           "  -q, --quiet               print only the number of stored combinations\n"
           "      --format FORMAT       text (default), csv or json for what goes to stdout\n"
           "Instead of the count run:\n"
           "      --backtest            how the active filters did on past draws\n"
           "      --history FILE        the past draws, one a line (for --backtest)\n"
           "      --history-columns A-B fields holding the numbers (A: one field, all seven)\n"
           "      --skip-bad-lines      skip lines without a draw instead of failing\n"
           "      --funnel              what each active filter keeps alone and together\n"
           "      --explain N1,...,N7   each active filter's verdict on one combination\n"
           "      --list                print the filters with their parameter ranges\n"
           "      --threads K           share the count run, funnel and back-test among K\n"
           "                            threads\n"
           "                            (default: one per core; 1 = a single thread)\n"
           "After the draw:\n"
           "      --check-tickets FILE  the hits of FILE's tickets in every draw of --history,\n"
           "                            or in the one --draw N1,...,N7\n"
           "      --bonus-column C      field C of the history holds the bonus number\n"
           "      --history-stats       each number's count, gaps, pairs and the filters'\n"
           "                            measures in --history, beside what chance gives\n"
           "      --last K              take only the K most recent draws\n"
           "      --newest-first        the history lists the newest draw first (dates, when\n"
           "                            every line has one, decide by themselves)\n"
           "      --chart FILE.svg      an SVG chart of --history-stats, --backtest or --funnel\n"
           "  -h, --help                print this help\n"
           "      --version             print the version and the license\n"
           "Wheels and reduction (instead of the count run's outputs):\n"
           "      --wheel LIST          tickets over 8..N chosen numbers (commas, semicolons,\n"
           "                            spaces or line ends between them; 1-15 or 1..15 stands\n"
           "                            for 1 to 15)\n"
           "      --guarantee T-if-M    ...such that if M of them are drawn, a ticket has T\n"
           "                            (also written \"T if M\")\n"
           "      --reduce T            tickets such that every stored combination shares T\n"
           "                            (2..6) numbers with one of them\n"
           "      --tickets-from WHERE  stored (default) or any combination, for --reduce\n"
           "      --effort E            how hard the search tries (1 = default, 2 = twice...)\n"
           "      --time-limit SECONDS  stop the search after SECONDS with the best found\n"
           "      --seed S              the search's seed, to repeat it\n"
           "      --check-wheel FILE    check the tickets of FILE instead of searching\n"
           "                            (exit 0 the guarantee holds, 1 it fails); no --seed,\n"
           "                            --effort, --time-limit, --tickets-from or --output\n"
           "      --output FILE         write the tickets into FILE instead of stdout\n"
           "\n"
           "Settings apply in command-line order. Exit status: 0 done, 1 the store, the export\n"
           "or the settings file could not be written, 2 bad arguments or input files, 3 a\n"
           "wheel or reduction found failed its verification (an internal error).\n";
}

std::string version_text() {
    return std::string("lotto739-cli ") + LOTTO_VERSION + "\nLicense: MIT (see LICENSE)\n";
}

std::vector<std::string> catalogue_lines(uint32_t highest) {
    std::vector<std::string> lines;
    for (int k = 1; k <= FilterCount; ++k) {
        std::string line = std::to_string(k) + "\t" + std::string(filter_label(k)) + "\t";
        line +=
            has_parameter(k) ? "0.." + std::to_string(highest_offered(k, highest)) : "no parameter";
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace lotto::cli
