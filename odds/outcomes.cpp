#include "outcomes.h"

#include <algorithm>
#include <stdexcept>

#include "census.h"

namespace talvern::odds {

Outcomes::Outcomes(Variant v) : variant_(v), labels_(censusLabels(v)) {
    slotByClass_.fill(-1);
    for (int slot = 0; slot < count(); ++slot) {
        if (jacksPair(slot)) payingPairSlot_ = slot;
        else slotByClass_[static_cast<unsigned char>(handClass(slot))] = static_cast<std::int8_t>(slot);
    }
    if (count() > kMaxOutcomes) throw std::logic_error("more census classes than outcome slots");
}

PayScale::PayScale(Variant v) : variant_(v) {
    for (int i = 0; i < kPayLines; ++i) lines_[static_cast<std::size_t>(i)] = payTable(v)[static_cast<std::size_t>(i)].multiplier;
    fill();
}

PayScale::PayScale(Variant v, const std::vector<int>& multipliers) : PayScale(v) {
    if (multipliers.size() > static_cast<std::size_t>(kPayLines)) throw std::invalid_argument("too many pay lines");
    for (std::size_t i = 0; i < multipliers.size(); ++i) lines_[i] = multipliers[i];
    fill();
}

void PayScale::fill() {
    const Outcomes outcomes(variant_);
    bySlot_.fill(0);
    for (int slot = 0; slot < outcomes.count(); ++slot) {
        const int l = lineOfClass(variant_, outcomes.handClass(slot), outcomes.jacksPair(slot));
        bySlot_[static_cast<std::size_t>(slot)] = l ? lines_[static_cast<std::size_t>(l - 1)] : 0;
    }
}

std::string PayScale::text() const {
    std::string s;
    for (int l = 1; l <= lastPayingLine(variant_); ++l) s += (l > 1 ? "/" : "") + std::to_string(line(l));
    return s;
}

int lastPayingLine(Variant v) {
    const Outcomes outcomes(v);
    int last = 0;
    for (int slot = 0; slot < outcomes.count(); ++slot)
        last = std::max(last, lineOfClass(v, outcomes.handClass(slot), outcomes.jacksPair(slot)));
    return last;
}

} // namespace talvern::odds
