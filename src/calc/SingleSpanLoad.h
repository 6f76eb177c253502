#pragma once
// Load effects of one load on a single span: fixed-end moments, the simple-beam moment at a
// given position and the simple-beam end shears.
//
// Load shape (lengths in m from the left end): intensity q = w·H starting at x1, rising
// linearly from 0 to q over a, constant over b, falling to 0 over the rest of the loaded
// length ℓ; load type 1 is a point load P = w at x1 (H unused). Parts of a load outside the
// span carry nothing to it.
//
// Signs: a downward load gives CL < 0, CR > 0, Mo > 0 (sagging), QL = +R_A, QR = -R_B.
#include <cstdint>

namespace zel {

// The calculation's one entry to the single-span analysis. Every argument by reference,
// reals single precision, in this order:
//   mode (unused, 0), span L, start x1, loaded length ℓ, rising length a, constant length b,
//   magnitude w, height H, height H (copy, unused), load type 1..6, beam value (unused),
//   moment position xM, then the outputs: CL, CR, Mo (at xM), QL, QR, the resultant of the
//   load on the span and the distance of its centroid from the left end.
// The caller zeroes the outputs first. A span that is not positive and finite, a load type
// outside 1..6 or a load wholly off the span leaves all outputs 0; a load with a value that is
// not finite gives NaN outputs. xM is taken within the span.
void VF_CMQGIR(std::int32_t& mode, float& span, float& start, float& loadedLength,
               float& risingLength, float& constantLength, float& magnitude, float& height,
               float& heightCopy, std::int32_t& loadType, float& beamValue, float& momentPosition,
               float& leftFixedEndMoment, float& rightFixedEndMoment, float& simpleMoment,
               float& leftShear, float& rightShear, float& resultant, float& resultantPosition);

}  // namespace zel
