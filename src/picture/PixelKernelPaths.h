#pragma once

#include <cstdint>

// The implementations AlphaOverRow (PixelKernels.h) chooses between, once, by what the processor has;
// each gives the same words as the scalar rule. Tests and benchmarks call them directly.

void AlphaOverRowScalar(std::uint32_t* dst, const std::uint32_t* src, int count, int alphaMax,
                        std::uint32_t transparentRgb);
// Four pixels at a time with SSE2 where the build has it (every x86-64 processor), else the scalar rule.
void AlphaOverRowSse2(std::uint32_t* dst, const std::uint32_t* src, int count, int alphaMax,
                      std::uint32_t transparentRgb);
// Eight pixels at a time; call it only when ProcessorHasAvx2().
void AlphaOverRowAvx2(std::uint32_t* dst, const std::uint32_t* src, int count, int alphaMax,
                      std::uint32_t transparentRgb);
bool ProcessorHasAvx2();
