// Stand-in until the command layer lands: echoes its arguments.
#include "command/run.h"

namespace lotto::command {

Plan plan(const std::vector<std::string>& args, const Control&) {
    Plan p;
    for (const std::string& a : args)
        if (a == "--bad") p.error = "unknown option '--bad'";
    for (const std::string& a : args)
        if (a == "--wheel") p.long_search = true;
    p.needs_store = true;
    for (const std::string& a : args)
        if (a == "-q") p.needs_store = false;
    return p;
}

Outcome run(const std::vector<std::string>& args, const Control& control) {
    Outcome o;
    const Plan p = plan(args, control);
    if (!p.error.empty()) {
        o.status = 2;
        o.error = p.error;
        return o;
    }
    o.out = std::to_string(args.size());
    o.out += "\n";
    if (p.long_search && control.progress) control.progress("best 12");
    return o;
}

} // namespace lotto::command
