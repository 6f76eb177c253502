#include "calc/CantileverLoad.h"

#include "calc/Single.h"

namespace zel {

namespace {

struct Sums {
    double M = 0.0, Q = 0.0;
    void add(double force, double arm) {
        Q += force;
        M += force * arm;
    }
};

void Uniform(Sums& s, double q, double x, double c) {
    s.add(q * c, x + c / 2.0);
}
void Rising(Sums& s, double q, double x, double c) {
    s.add(q * c / 2.0, x + 2.0 * c / 3.0);
}
void Falling(Sums& s, double q, double x, double c) {
    s.add(q * c / 2.0, x + c / 3.0);
}

}  // namespace

CantileverEffect CantileverLoadEffect(int loadType, float /*span*/, float x1, float loadedLength,
                                      float risingLength, float constantLength, float w, float H) {
    Sums s;
    const double x = x1, l = loadedLength, a = risingLength, b = constantLength;
    const double q = static_cast<double>(w) * H;
    switch (loadType) {
        case 1:
            s.add(w, x);
            break;
        case 2:
            Rising(s, q, x, l);
            break;
        case 3:
            Falling(s, q, x, l);
            break;
        case 4:
            Uniform(s, q, x, l);
            break;
        case 5:
            Rising(s, q, x, a);
            Uniform(s, q, x + a, b);
            Falling(s, q, x + a + b, l - a - b);
            break;
        case 6:
            Rising(s, q, x, a);
            Falling(s, q, x + a, l - a);
            break;
        default:
            break;
    }
    return {Single(s.M), Single(s.Q)};
}

}  // namespace zel
