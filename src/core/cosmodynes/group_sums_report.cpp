#include "core/cosmodynes/group_sums_report.h"

#include <array>
#include <string_view>

#include "core/cosmodynes/cosmo_number_fill.h"
#include "core/reports/number_format.h"

namespace helion {
namespace {

enum class Over { Signs, Houses };

// Members are sign or house numbers; 0 ends a shorter list.
using Members = std::array<int, 6>;

struct Group {
    std::string_view label;
    Over over;
    Members members;
    std::string_view note;  // printed after the sums
};

struct HalfPair {
    std::string_view label;
    Members first;
    Members second;
};

constexpr std::array<Group, 16> kGroups{{
    {"Fire", Over::Signs, {5, 1, 9}, ""},
    {"Earth", Over::Signs, {6, 2, 10}, ""},
    {"Air", Over::Signs, {7, 3, 11}, ""},
    {"Water", Over::Signs, {8, 4, 12}, ""},
    {"Cardinal", Over::Signs, {4, 1, 7, 10}, ""},
    {"Fixed", Over::Signs, {5, 2, 8, 11}, ""},
    {"Common", Over::Signs, {6, 3, 9, 12}, ""},
    {"Electric (M)", Over::Signs, {1, 3, 5, 7, 9, 11}, ""},
    {"Magnetic (F)", Over::Signs, {2, 4, 6, 8, 10, 12}, ""},
    {"Private", Over::Houses, {12, 1, 2, 3}, "(Personal interests and affairs)"},
    {"Friendship", Over::Houses, {4, 5, 6, 7}, "(Companionship with others)"},
    {"Community", Over::Houses, {8, 9, 10, 11}, "(Public activities)"},
    {"Vitality", Over::Houses, {5, 1, 9}, "(Individuality/Life/living it up)"},
    {"Success", Over::Houses, {6, 2, 10}, "(Wealth/interest in gaining money)"},
    {"Relationship", Over::Houses, {7, 3, 11}, "(Associate with other people)"},
    {"Psychism", Over::Houses, {8, 4, 12}, "(Interest in occult or hidden things)"},
}};

// The hemispheres, both halves shown in one field.
constexpr std::array<HalfPair, 2> kHemispheres{{
    {"South/North", {7, 8, 9, 10, 11, 12}, {1, 2, 3, 4, 5, 6}},
    {"East/West", {10, 11, 12, 1, 2, 3}, {4, 5, 6, 7, 8, 9}},
}};

struct Sums {
    double power = 0.0;
    double net = 0.0;
};

Sums sumOver(const NatalCosmodynes& cosmo, Over over, const Members& members) {
    const bool signs = over == Over::Signs;
    double power = 0.0, harmony = 0.0, discord = 0.0;
    for (const int m : members) {
        if (m == 0) break;
        power += signs ? cosmo.signPower[m] : cosmo.housePower[m];
        harmony += signs ? cosmo.signHarmony[m] : cosmo.houseHarmony[m];
        discord += signs ? cosmo.signDiscord[m] : cosmo.houseDiscord[m];
    }
    return {power, harmony - discord};
}

std::string labelField(std::string_view label) {
    return "  " + std::string(label) + std::string(17 - label.size(), ' ');
}

std::string groupLine(const NatalCosmodynes& cosmo, const Group& group) {
    const Sums sums = sumOver(cosmo, group.over, group.members);
    std::string line = labelField(group.label) + pad7(sums.power) + std::string(13, ' ') + pad7(sums.net);
    if (!group.note.empty()) line += "   " + std::string(group.note);
    return line;
}

std::string bothHalves(double first, double second) {
    return pad7Text(formatNumber(first, "###0.00") + " / " + formatNumber(second, "###0.00"));
}

std::string hemisphereLine(const NatalCosmodynes& cosmo, const HalfPair& pair) {
    const Sums first = sumOver(cosmo, Over::Houses, pair.first);
    const Sums second = sumOver(cosmo, Over::Houses, pair.second);
    return labelField(pair.label) + bothHalves(first.power, second.power) + "    " + bothHalves(first.net, second.net);
}

std::string heading(std::string_view kind) {  // "Signs" or "House"
    return "  " + std::string(kind) + std::string(14, ' ') + "Power" + std::string(14, ' ') + "Har/Disc";
}

}  // namespace

void appendGroupSums(const NatalCosmodynes& cosmo, ReportLines& lines, CosmoClipboard& clipboard) {
    // Line numbers: 0 the signs heading, 1..9 the sign groups, 10 the house heading,
    // 11..17 the house groups, 18 and 19 the hemispheres; -1 an empty line.
    std::array<std::string, 20> text;
    text[0] = heading("Signs");
    text[10] = heading("House");
    for (std::size_t g = 0; g < kGroups.size(); ++g) text[g < 9 ? g + 1 : g + 2] = groupLine(cosmo, kGroups[g]);
    text[18] = hemisphereLine(cosmo, kHemispheres[0]);
    text[19] = hemisphereLine(cosmo, kHemispheres[1]);

    constexpr std::array kWindowOrder{-1, -1, 0,  1,  2,  3,  4,  -1, 5,  6,  7,  -1, 8,  9,
                                      -1, -1, 10, 11, 12, 13, -1, 14, 15, 16, 17, -1, 18, 19};
    for (const int i : kWindowOrder) lines.push_back(i < 0 ? std::string{} : text[i]);

    // The clipboard pairs the elements with the qualities on shared entries.
    struct Entry {
        int first;
        int beside;  // -1: none
    };
    constexpr std::array<Entry, 21> kClipboardOrder{{
        {0, -1},  {1, 5},   {2, 6},   {3, 7},   {4, -1},  {-1, -1}, {8, 9},   {-1, -1}, {10, -1}, {11, -1}, {12, -1},
        {13, -1}, {-1, -1}, {14, -1}, {15, -1}, {16, -1}, {17, -1}, {-1, -1}, {18, -1}, {19, -1}, {-1, -1},
    }};
    for (const Entry& entry : kClipboardOrder) {
        std::string item = entry.first < 0 ? std::string{} : text[entry.first];
        if (entry.beside >= 0) item += "   " + text[entry.beside];
        clipboard.put(std::move(item));
    }
}

}  // namespace helion
