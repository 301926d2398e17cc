// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary text to the readers of typed values. Resistances, with the plan
// of what Enter would select from any state of the page: a value read is exact
// and within bounds, the bands picked exist in the lists, and their notation
// reads back as the same bands. Capacitor markings: an answer or a reason, never
// both, and each column of the answer reads back as the same capacitance. LED
// questions: an answer or a reason, its resistor never giving more current than
// asked, and the value above the one below.

#include "colourcode/bandselection.h"
#include "colourcode/valuereader.h"
#include "reference/capacitancemarking.h"
#include "reference/ledresistor.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace colourcode;
using namespace reference;

void check(bool condition) {
    if (!condition)
        std::abort();
}

bool inLists(const BandSelection &b) {
    return b.first >= 0 && b.first <= 8 && b.second >= 0 && b.second <= 9 && b.third >= 0 &&
           b.third <= 9 && b.multiplier >= 0 && b.multiplier <= 9 && b.tolerance >= 0 &&
           b.tolerance <= 6 && (b.fiveBands || b.third == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    BandSelection now;
    now.fiveBands = in.ConsumeBool();
    now.first = in.ConsumeIntegralInRange(0, 8);
    now.second = in.ConsumeIntegralInRange(0, 9);
    now.third = now.fiveBands ? in.ConsumeIntegralInRange(0, 9) : 0;
    now.multiplier = in.ConsumeIntegralInRange(0, 9);
    now.tolerance = in.ConsumeIntegralInRange(0, 6);
    const std::string text = in.ConsumeRemainingBytesAsString();

    const ValueReading reading = readValue(text);
    check(reading.value.has_value() == reading.refusal.empty());
    if (reading.value) {
        const Decimal &ohms = reading.value->ohms;
        check(ohms.digitCount() <= MaxSignificantDigits);
        check(ohms.significand == 0 || ohms.significand % 10 != 0);
    }

    const EntryPlan plan = planEntry(text, now);
    check(!plan.preview.empty());
    if (plan.bands) {
        check(reading.value.has_value());
        check(inLists(*plan.bands));
        check(planEntry(entryNotation(*plan.bands), *plan.bands).bands == plan.bands);
        check(!readingText(*plan.bands).empty());
    }

    const MarkingReading marking = readMarking(text);
    check(marking.picofarads.has_value() == marking.refusal.empty());
    const MarkingAnswer answer = answerMarking(text);
    check(answer.refusal.empty() == !answer.pico.empty());
    if (answer.refusal.empty()) {
        check(marking.picofarads.has_value());
        for (const auto &[column, unit] :
             {std::pair{&answer.micro, "µF"}, {&answer.nano, "nF"}, {&answer.pico, "pF"}}) {
            check(column->size() < 24);
            check(readMarking(*column + unit).picofarads == marking.picofarads);
        }
    }

    const LedAnswer led = answerLed(text, now.fiveBands ? Supply::Alternating : Supply::Direct);
    check(led.refusal.empty() != led.rows.empty());
    for (const LedRow &row : led.rows) {
        check(compare(row.above.milliamps, row.milliamps) <= 0);
        check(!row.below || compare(row.below->ohms, row.above.ohms) < 0);
        check(!rowDetails(row, Warning::Full).empty());
    }
    check(!spokenAnswer(led).empty());
    return 0;
}
