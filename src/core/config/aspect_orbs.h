#pragma once
// The aspects Helion tests, by the codes its files and its glyph font number them, and
// where their orbs sit in a table read from a file: the options' entry k and an orb file's
// line k both hold the orb of aspect code k + 1.

#include <array>
#include <cstddef>
#include <span>

namespace helion {

enum class Aspect {
    Conjunct = 2,
    Sextile,
    Square,
    Trine,
    Opposite,
    Parallel,
    SemiSextile,
    SemiSquare,
    Sesquisquare,
    Quincunx,
    SemiQuintile,
    Nonagen,
    Quintile,
    Trecile,
    BiQuintile,
    // Declinations of the same size on opposite sides of the equator: a glyph of its own,
    // otherwise a parallel.
    ContraParallel = 18,
};

// The aspects with a name and an orb of their own, in code order.
inline constexpr std::array<Aspect, 15> kAspects{
    Aspect::Conjunct,     Aspect::Sextile,     Aspect::Square,     Aspect::Trine,        Aspect::Opposite,
    Aspect::Parallel,     Aspect::SemiSextile, Aspect::SemiSquare, Aspect::Sesquisquare, Aspect::Quincunx,
    Aspect::SemiQuintile, Aspect::Nonagen,     Aspect::Quintile,   Aspect::Trecile,      Aspect::BiQuintile};

// The number a file, the glyph font or a report gives the aspect.
constexpr int aspectCode(Aspect aspect) { return static_cast<int>(aspect); }

// The entry of an options table or an orb file that holds the aspect's orb.
constexpr std::size_t orbEntry(Aspect aspect) { return static_cast<std::size_t>(aspectCode(aspect) - 1); }

// A table of orbs as read from a file, entry 0 unused. An entry beyond the table counts as
// an orb of 0.
class OrbSet {
public:
    explicit OrbSet(std::span<const float> entries) : entries_(entries) {}
    float orb(Aspect aspect) const { return orbEntry(aspect) < entries_.size() ? entries_[orbEntry(aspect)] : 0.0f; }

private:
    std::span<const float> entries_;
};

}  // namespace helion
