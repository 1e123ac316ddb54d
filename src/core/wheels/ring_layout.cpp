#include "core/wheels/ring_layout.h"

namespace helion {
namespace {

constexpr std::array<int, 12> kNatalSectors{180, 209, 240, 272, 304, 335, 4, 34, 65, 95, 124, 153};
constexpr std::array<int, 12> kNatalRadii{217, 212, 201, 196, 194, 197, 199, 202, 206, 208, 212, 217};
constexpr std::array<int, 12> kDualSectors{181, 209, 240, 273, 306, 337, 7, 37, 68, 96, 126, 154};
constexpr std::array<int, 12> kDualRadii{138, 130, 123, 119, 120, 121, 126, 126, 129, 132, 137, 139};
constexpr std::array<int, 12> kInnerSectors{181, 210, 241, 273, 306, 337, 8, 37, 67, 96, 125, 153};
constexpr std::array<int, 12> kInnerRadii{106, 101, 97, 94, 93, 94, 97, 100, 103, 105, 109, 110};
constexpr std::array<int, 12> kMiddleSectors{180, 209, 240, 272, 305, 335, 5, 34, 65, 95, 125, 153};
constexpr std::array<int, 12> kMiddleRadii{165, 160, 147, 145, 144, 146, 152, 152, 152, 156, 163, 165};

}  // namespace

std::vector<double> wheelCircles(WheelKind kind) {
    switch (kind) {
        case WheelKind::Single: return {217, 120};
        case WheelKind::Dual: return {217, 138, 62, 40};
        case WheelKind::Triple: return {217, 164, 109, 62, 40};
    }
    return {};
}

double houseLineStart(WheelKind kind) { return kind == WheelKind::Single ? 120.0 : kHouseNumberInner; }

std::vector<RingLayout> ringLayouts(WheelKind kind) {
    switch (kind) {
        case WheelKind::Single: return {{ring::Natal, 7, 4.0, kNatalSectors, kNatalRadii, 120, 217}};
        case WheelKind::Dual:
            return {{ring::Natal, 7, 4.0, kNatalSectors, kNatalRadii, 138, 217},
                    {ring::Inner, 5, 5.3, kDualSectors, kDualRadii, 62, 138}};
        case WheelKind::Triple:
            return {{ring::Natal, 7, 4.0, kNatalSectors, kNatalRadii, 164, 217},
                    {ring::Inner, 5, 5.3, kInnerSectors, kInnerRadii, 62, 109},
                    {ring::Middle, 7, 3.9, kMiddleSectors, kMiddleRadii, 109, 164}};
    }
    return {};
}

}  // namespace helion
