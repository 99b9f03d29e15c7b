// The payment shopper's input boxes.
#include "calculators/shopper_fields.h"

#include "core/translate.h"

namespace hl::calc {
namespace {

const FieldRule& RuleOf(int box) {
    // The upper mortgage box shares the lower box's message, as it always has.
    static const FieldRule kAmount{
        500000.0f,
        HL_TR_NOOP(
            "Calculator Messages",
            "Error, value entered in the mortgage lower boundary box must be between 1 and 500000"),
        "######0.00"};
    static const FieldRule kAmountStep{
        500000.0f,
        HL_TR_NOOP(
            "Calculator Messages",
            "Error, value entered in the mortgage increment box must be between 1 and 500000"),
        "######0.00"};
    static const FieldRule kRate{
        25.0f,
        HL_TR_NOOP("Calculator Messages",
                   "Error, value entered in the Interest Rate box must be between 1 and 25"),
        "##0.000"};
    static const FieldRule kYears{
        35.0f,
        HL_TR_NOOP("Calculator Messages",
                   "Error, value entered in the Amortizaton box must be between 1 and 35"),
        "######0.00"};
    if (box <= 2)
        return kAmount;
    if (box == 3)
        return kAmountStep;
    if (box <= 6)
        return kRate;
    return kYears;
}

} // namespace

ShopperFieldCheck CheckShopperField(int box, std::optional<Single> value, Single stored) {
    ShopperFieldCheck out;
    if (!value) {
        // Only the rate and amortization upper boundaries clear the table here; a change of
        // any box's text has cleared it already.
        out.clearTable = box == 5 || box == 8;
        return out;
    }
    out.clearTable = *value != stored;
    out.stored = *value;
    out.check = CheckField(value, RuleOf(box));
    return out;
}

} // namespace hl::calc
