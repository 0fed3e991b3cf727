#pragma once
// What the odds tools tell final hands apart by: the census classes of a
// variant (in Jack or Better the paying pairs "w+" apart from the others
// "w-"), numbered as slots 0.. in census order, and what each slot pays.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "cards.h"
#include "evaluator.h"
#include "paytable.h"

namespace talvern::odds {

inline constexpr int kMaxOutcomes = 12;

class Outcomes {
public:
    explicit Outcomes(Variant v);

    Variant variant() const { return variant_; }
    int count() const { return static_cast<int>(labels_.size()); }
    const std::string& label(int slot) const { return labels_[static_cast<std::size_t>(slot)]; }
    char handClass(int slot) const { return label(slot)[0]; }
    bool jacksPair(int slot) const { return label(slot) == "w+"; }

    // The slot of a classified final hand.
    int slotOf(const Evaluation& e) const {
        return e.jacksPair ? payingPairSlot_ : slotByClass_[static_cast<unsigned char>(e.handClass)];
    }

private:
    Variant variant_;
    std::vector<std::string> labels_;
    std::array<std::int8_t, 256> slotByClass_{};
    int payingPairSlot_ = -1;
};

// Multipliers per pay-table line, and from them the pay of each slot per unit
// bet. The machine's table unless lines are replaced.
class PayScale {
public:
    explicit PayScale(Variant v);
    // Replaces lines 1 .. multipliers.size() (at most kPayLines).
    PayScale(Variant v, const std::vector<int>& multipliers);

    int line(int number) const { return lines_[static_cast<std::size_t>(number - 1)]; }  // 1-based
    std::int64_t ofSlot(int slot) const { return bySlot_[static_cast<std::size_t>(slot)]; }
    const std::array<std::int64_t, kMaxOutcomes>& bySlot() const { return bySlot_; }
    // "250/50/25/8/5/4/3/2/1": the lines some class of the variant pays on.
    std::string text() const;

private:
    void fill();
    Variant variant_;
    std::array<int, kPayLines> lines_{};
    std::array<std::int64_t, kMaxOutcomes> bySlot_{};
};

// The last line of the pay table that some class of the variant pays on.
int lastPayingLine(Variant v);

} // namespace talvern::odds
