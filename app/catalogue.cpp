#include "app/catalogue.h"

#include <array>

namespace lotto {

namespace {

// Entry k-1 is the label of filter k, exactly as the main window shows it.
constexpr std::array<std::string_view, 64> Labels = {
    "01) Minimum amount of numbers ",
    "02) Maximum amount of numbers ",
    "03) Minimum even numbers ",
    "04) Maximum even numbers ",
    "05) Minimum odd numbers ",
    "06) Maximum odd numbers ",
    "07) Lucky number ",
    "08) Unlucky number ",
    "09) Minimum 1.number ",
    "10) Maximum 1.number ",
    "11) Minimum 2.number ",
    "12) Maximum 2.number ",
    "13) Minimum 5.number ",
    "14) Maximum 5.number ",
    "15) Minimum 6.number ",
    "16) Maximum 6.number ",
    "17) Minimum 7.number ",
    "18) Maximum 7.number ",
    "19) Must be at least one group ",
    "20) No groups",
    "21) Minimum groups ",
    "22) Maximum groups",
    "23) Mimimum 2 numbers groups ",
    "24) Maximum 2 numbers groups ",
    "25) Minimum 3 numbers groups",
    "26) Maximum 3 numbers groups",
    "27) Minimum 4+ numbers groups",
    "28) Maximum 4+ numbers groups",
    "29) No 2 numbers groups",
    "30) No 3 numbers groups",
    "31) No 4 numbers groups",
    "32) Minimum difference",
    "33) Maximum difference",
    "34) Maximum the same differences",
    "35) Maximum the same last digits",
    "36) Minimum in range A1",
    "37) Maximum in range A2",
    "38) Minimum in range B1",
    "39) Maximum in range B2",
    "40) Minimum in range C1",
    "41) Maximum in range C2",
    "42) Minimumu in range D1",
    "43) Maximum in range D2",
    "44) Minimum in range E1",
    "45) Maximum in range E2",
    "46) Minimum from array 1,4,7,10...",
    "47) Maximum from array 1,4,7,10...",
    "48) Minimum from array 2,5,8,11...",
    "49) Maximum from array 2,5,8,11...",
    "50) Minimum from array 3,6,9,12...",
    "51) Maximum from array 3,6,9,12...",
    "52) 1. number is even",
    "53) 1. number is odd",
    "54) 7. number is even",
    "55) 7. number is odd",
    "56) First 2 numbers are even",
    "57) First 2 numbers are odd",
    "58) First 2 numbers (even and odd)",
    "59) Last 2 numbers are even",
    "60) Last 2 numbers are odd",
    "61) Last 2 numbers (even and odd)",
    "62) Maximum numbers from 7 el. array",
    "63) Minimum numbers from 15 el. array",
    "64) Maximum numbers from 15 el. array",
};

constexpr std::array<std::string_view, 10> RangeNames = {
    "A1", "A2", "B1", "B2", "C1", "C2", "D1", "D2", "E1", "E2",
};

} // namespace

std::string_view filter_label(int k) {
    return k >= 1 && k <= 64 ? Labels[k - 1] : std::string_view{};
}

std::string_view range_name(int r) {
    return r >= 1 && r <= 10 ? RangeNames[r - 1] : std::string_view{};
}

} // namespace lotto
