// One adjustment applied to rows of 24- or 32-bit pixels and of 16-bit
// (5-5-5) pixels: the combined adjustment or one of the single-channel rules.
#pragma once
#include <cstdint>

#include "color_model.h"
#include "fast_adjuster.h"

namespace htfx {

class PixelOperation {
public:
    virtual ~PixelOperation() = default;
    // `pixels` pixels of `step` bytes (3, or 4 with the fourth byte left alone).
    virtual void AdjustRow(const uint8_t* source, uint8_t* target, int pixels, int step) const = 0;
    // `pixels` 16-bit pixels; `work` holds at least pixels x 3 bytes.
    virtual void AdjustRow16(const uint8_t* source, uint8_t* target, int pixels, uint8_t* work) const = 0;
};

class CombinedOperation : public PixelOperation {
public:
    explicit CombinedOperation(const Amounts& amounts) : adjuster_(amounts) {}
    void AdjustRow(const uint8_t* source, uint8_t* target, int pixels, int step) const override;
    // Unpacked to 8 bits per channel and packed back keeping the top five bits.
    void AdjustRow16(const uint8_t* source, uint8_t* target, int pixels, uint8_t* work) const override;

private:
    FastAdjuster adjuster_;
};

class SingleOperation : public PixelOperation {
public:
    SingleOperation(Channel channel, int amount) : channel_(channel), amount_(amount) {}
    void AdjustRow(const uint8_t* source, uint8_t* target, int pixels, int step) const override;
    // Adjusted on the 5-bit channel values, each limited to 31.
    void AdjustRow16(const uint8_t* source, uint8_t* target, int pixels, uint8_t* work) const override;

private:
    Channel channel_;
    int amount_;
};

}  // namespace htfx
