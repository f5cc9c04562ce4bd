// "to txt file": the file it writes and what it says, when it works and when it cannot.
#include "tests/gui/driver.h"
#include "tests/gui/scenarios.h"
#include "tests/gui/steps.h"
#include "tests/gui/viewer_checks.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <vector>

namespace gui {

namespace {

const char* const FileName = "kvx7_00000036.txt";

// Filter 32 with parameter 6: neighbours at least 6 apart, 36 combinations.
std::vector<Combination> spread_out() {
    return combinations_where([](const Combination& c) {
        for (size_t i = 1; i < c.size(); ++i)
            if (c[i] - c[i - 1] < 6) return false;
        return true;
    });
}

HWND open_spread_out_viewer(HWND main, const std::vector<Combination>& expected) {
    pick(main, 1132, 6);
    toggle_filter(main, 32);
    const auto count = static_cast<uint32_t>(expected.size());
    HWND viewer = count_and_store(main, count);
    expect_page(viewer, 1, count, [&](uint32_t n) { return expected[n - 1]; });
    return viewer;
}

std::string read_file(const char* name) {
    std::ifstream in(name, std::ios::binary);
    if (!in) fail(std::string("open ") + name, "readable file", "cannot open");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Presses "to txt file" and checks the "Notify" text; returns when the viewer has its focus.
void export_with_notify(HWND viewer) {
    click(viewer, 1735);
    HWND box = wait_window(NotifyCaption);
    expect_plain_ok_box(box);
    const std::string body = item_text(box, MessageTextId);
    const std::string head = std::string("We store combinations  in file ") + FileName + " in ";
    const std::string tail = " seconds";
    bool ok = body.size() > head.size() + tail.size() && body.compare(0, head.size(), head) == 0 &&
              body.compare(body.size() - tail.size(), tail.size(), tail) == 0;
    if (ok) {
        const std::string t = body.substr(head.size(), body.size() - head.size() - tail.size());
        const size_t point = t.find('.');
        ok = point != std::string::npos && point > 0 && t.size() - point - 1 == 3;
        for (size_t i = 0; ok && i < t.size(); ++i)
            ok = i == point || std::isdigit(static_cast<unsigned char>(t[i]));
    }
    if (!ok) fail("\"Notify\" text", head + "<seconds, three decimals>" + tail, body);
    press_ok(box);
    HWND list = item(viewer, 1907);
    wait_until([viewer] { return IsWindowEnabled(viewer) != 0; },
               "the viewer is enabled again after the export");
    wait_until([list] { return focus_window() == list; },
               "the viewer's list box has the focus after the export");
}

} // namespace

void export_scenario() {
    DeleteFileA(FileName);
    HWND main = pass_info();
    const std::vector<Combination> expected = spread_out();
    expect_int(static_cast<long long>(expected.size()), 36, "combinations 6 or more apart");
    HWND viewer = open_spread_out_viewer(main, expected);

    std::string want;
    for (const Combination& c : expected) want += export_line(c);
    for (int round = 1; round <= 2; ++round) {
        export_with_notify(viewer);
        const std::string got = read_file(FileName);
        expect_int(static_cast<long long>(got.size()), 1008, "size of the exported file");
        expect_text(got.substr(0, 28), "01, 07, 13, 19, 25, 31, 37\r\n", "first exported line");
        expect_text(got.substr(got.size() - 28), "03, 09, 15, 21, 27, 33, 39\r\n",
                    "last exported line");
        check(got == want, "every exported line, export number " + std::to_string(round));
    }
    note("kvx7_00000036.txt: 1008 bytes, written twice with the same content");
    end_view(main, viewer);
    quit(main);
}

void export_fail_scenario() {
    DeleteFileA(FileName);
    RemoveDirectoryA(FileName);
    check(CreateDirectoryA(FileName, nullptr) != 0, "make a directory in the export file's place");
    HWND main = pass_info();
    HWND viewer = open_spread_out_viewer(main, spread_out());
    click(viewer, 1735);

    HWND box = nullptr;
    wait_until(
        [&] {
            for (HWND w : top_windows())
                if (w != viewer && w != main && IsWindowEnabled(w)) box = w;
            return box != nullptr;
        },
        "a message box about the failed export");
    const std::string caption = caption_of(box);
    const std::string body = item_text(box, MessageTextId);
    note("error box \"" + caption + "\": " + body);
    check(caption != NotifyCaption, "a failed export does not say \"Notify\"");
    check(body.find(FileName) != std::string::npos, "the error names the file");
    check(body.find("We store combinations") == std::string::npos,
          "the error does not claim the combinations were stored");
    press_ok(box);
    wait_until([&] { return IsWindowEnabled(viewer) != 0 || find_window(NotifyCaption); },
               "the export finishes");
    sync();
    check(find_window(NotifyCaption) == nullptr, "no \"Notify\" after a failed export");
    const DWORD attributes = GetFileAttributesA(FileName);
    check(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY),
          "the directory in the file's place is left alone");
    end_view(main, viewer);
    quit(main);
}

} // namespace gui
