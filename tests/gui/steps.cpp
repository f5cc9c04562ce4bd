#include "tests/gui/steps.h"

#include "app/win32/app_state.h"
#include "tests/gui/driver.h"

#include <cctype>

namespace gui {

HWND pass_info() {
    HWND info = wait_window(InfoCaption);
    click(info, 1720);
    wait_gone(info, "the Info dialog closes on \"Continue\"");
    return wait_window(MainCaption);
}

HWND open_pick(HWND main, int button) {
    click(main, button);
    HWND dialog = wait_window(PickCaption);
    check(owner_of(dialog) == main,
          "the pick dialog of button " + std::to_string(button) + " is owned by the main window");
    check(!IsWindowEnabled(main), "the main window is disabled while the pick dialog is open");
    return dialog;
}

void finish_pick(HWND main, HWND pick, int index, Confirm how) {
    HWND list = item(pick, 1905);
    if (index != NoSelection) list_select(list, index);
    switch (how) {
    case Confirm::EnterButton: click(pick, 1903); break;
    case Confirm::CancelButton: click(pick, 1904); break;
    case Confirm::EnterKey: post_key(list, VK_RETURN); break;
    case Confirm::EscapeKey: post_key(list, VK_ESCAPE); break;
    }
    wait_gone(pick, "the pick dialog closes");
    wait_until([main] { return IsWindowEnabled(main) != 0; },
               "the main window is enabled again after the pick");
    sync();
}

void pick(HWND main, int button, int index, Confirm how) {
    finish_pick(main, open_pick(main, button), index, how);
}

void toggle_filter(HWND main, int k) {
    click(main, 1000 + k);
    sync();
}

HWND count_and_store(HWND main, uint32_t expected_count) {
    click(main, 1202);
    HWND report = wait_window(ReportCaption, LongWaitMs);
    check(owner_of(report) == nullptr, "the count report has no owner");
    check(IsWindowEnabled(main) != 0, "the count report leaves the main window enabled");
    expect_plain_ok_box(report);
    const std::string body = item_text(report, MessageTextId);
    const std::string head = "Active filters\rJob done in:";
    const std::string tail = " seconds\rFull system 15380937 combinations\r"
                             "Number of filtered combinations:" +
                             std::to_string(expected_count);
    const bool framed = body.size() > head.size() + tail.size() &&
                        body.compare(0, head.size(), head) == 0 &&
                        body.compare(body.size() - tail.size(), tail.size(), tail) == 0;
    if (!framed ||
        !looks_like_decimal4(body.substr(head.size(), body.size() - head.size() - tail.size())))
        fail("count report text", head + "<t>" + tail, body);
    note("report: " + body.substr(head.size(), body.size() - head.size() - tail.size()) + " s, " +
         std::to_string(expected_count) + " stored");
    expect_int(lotto::win::app_state().stored_count, expected_count, "stored count");
    press_ok(report);
    HWND viewer = wait_window(ViewerCaption);
    check(owner_of(viewer) == main, "the viewer is owned by the main window");
    check(!IsWindowEnabled(main), "the main window is disabled while the viewer is open");
    sync();
    return viewer;
}

void end_view(HWND main, HWND viewer) {
    click(viewer, 1730);
    wait_gone(viewer, "the viewer closes on \"End view\"");
    wait_until([main] { return IsWindowEnabled(main) != 0; },
               "the main window is enabled again after \"End view\"");
    sync();
}

void quit(HWND main) {
    click(main, 1203);
    wait_gone(main, "the main window closes on \"Quit\"");
}

void expect_plain_ok_box(HWND box) {
    const std::string name = quoted(caption_of(box));
    check(IsWindowVisible(item(box, IDOK)) != 0, name + " has an OK button");
    for (int id : {IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO})
        if (HWND other = GetDlgItem(box, id))
            check(!IsWindowVisible(other), name + " shows no button " + std::to_string(id));
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        GetClassNameW(c, cls, 16);
        DWORD_PTR icon = 0;
        if (lstrcmpiW(cls, L"Static") == 0 && IsWindowVisible(c) &&
            (GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            SendMessageTimeoutW(c, STM_GETICON, 0, 0, SMTO_NORMAL, 5000, &icon) && icon)
            fail(name + " icon", "none", "an icon is shown");
    }
}

void press_ok(HWND box) {
    click(box, IDOK);
    wait_gone(box, "the message box \"" + caption_of(box) + "\" closes on OK");
}

bool looks_like_decimal4(const std::string& s) {
    const size_t point = s.find('.');
    if (point == std::string::npos || point == 0) return false;
    const std::string whole = s.substr(0, point), decimals = s.substr(point + 1);
    auto digits = [](const std::string& t) {
        for (char ch : t)
            if (!std::isdigit(static_cast<unsigned char>(ch))) return false;
        return true;
    };
    return digits(whole) && digits(decimals) && (whole.size() == 1 || whole[0] != '0') &&
           decimals.size() <= 4 && (decimals.empty() || decimals.back() != '0');
}

uint64_t active_mask() { return lotto::win::app_state().settings.active; }

} // namespace gui
