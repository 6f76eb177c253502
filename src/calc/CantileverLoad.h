#pragma once
// Statics of a cantilever: the moment and shear a load causes at the fixed end.

namespace zel {

struct CantileverEffect {
    float M = 0.0f;  // fixed-end moment (t·m), positive for a downward load
    float Q = 0.0f;  // fixed-end shear (t)
};

// Distances from the fixed end (m): the load starts at x1 and covers `loadedLength`, rising
// over `risingLength` and constant over `constantLength` as the load type gives them (type 1
// is P = w at x1; the others have intensity q = w·H). Each piece adds its resultant, and its
// resultant times the distance of its centroid. A load type outside 1..6 gives zeros.
CantileverEffect CantileverLoadEffect(int loadType, float span, float x1, float loadedLength,
                                      float risingLength, float constantLength, float w, float H);

}  // namespace zel
