// The columns a history's header line names: the seven fields of the drawn numbers ("N1".."N7",
// "Ball 1".."Ball 7", "1st".."7th") or the one field holding them all ("Winning Numbers"), and
// the field of the bonus number ("Bonus", "Supplementary", "Zusatzzahl", "Tillägg", "Lisänumero"),
// and the fields of the draw's year, month and day ("Year", "Month", "Day"; "Jahr", "Monat",
// "Tag").
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lotto::history {

struct NamedColumns {
    int first = 0, last = 0; // 1-based fields of the seven numbers; equal: one field holds them all
    int bonus = 0;           // 1-based field of the bonus number; 0 = none
    // 1-based fields of the draw's year, month and day; all 0 unless the line names each once.
    int year = 0, month = 0, day = 0;
    std::string first_name, last_name, bonus_name; // those fields' names as the header writes them
};

// A field's name as names are compared: letters in lower case and digits only (the bytes of
// characters beyond ASCII kept as they are, but for the capitals of Latin-1's letters in UTF-8,
// "Ä" read as "ä"; spaces, punctuation and quotes dropped).
std::string key_of(std::string_view name);

// Whether a field's name names the bonus numbers ("Bonus", "Zusatzzahl", "extra", ...).
bool names_bonus_field(std::string_view name);

// The columns the line names when it leaves no doubt: one run of seven consecutive fields whose
// names carry the numbers 1..7 with the same letters around them (other numbered fields aside);
// or, when no name carries a number, exactly one field named for all seven. At most one field may
// be named for the bonus number; the date's fields are taken when each is named once. Names are
// compared without case, spaces, punctuation and quotes.
std::optional<NamedColumns> named_columns(std::string_view line);

} // namespace lotto::history
