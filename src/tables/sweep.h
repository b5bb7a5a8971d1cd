#pragma once
// The loop variable of one segment of a graduation. The value is carried from
// mark to mark by adding (or subtracting) the step to the running double,
// never recomputed as start + n * step: the positions of the drawn rule come
// from that accumulated value, rounding error included. The bounds lie between
// two steps, so the accumulated error never adds or drops a mark.

namespace tesmark {

enum class Direction {
    Rising,   // x += step, continue while x < bound
    Falling,  // x -= step, continue while x > bound
    Single,   // exactly one mark at start
};

enum class BoundTest {
    AfterStep,       // do-while: the first mark is always made
    BeforeEachMark,  // while: the start is tested too
};

struct Sweep {
    double start;
    double step;  // a magnitude; the direction says whether it is added or subtracted
    Direction direction;
    double bound;
    BoundTest test = BoundTest::AfterStep;

    bool Continues(double x) const {
        switch (direction) {
            case Direction::Rising:
                return x < bound;
            case Direction::Falling:
                return x > bound;
            case Direction::Single:
                break;
        }
        return false;
    }

    double Advance(double x) const {
        switch (direction) {
            case Direction::Rising:
                return x + step;
            case Direction::Falling:
                return x - step;
            case Direction::Single:
                break;
        }
        return x;
    }

    // Calls visit(x) for every value of the segment in order and returns the
    // value that ended it (the first one that failed the bound).
    template <class Visit>
    double ForEach(Visit&& visit) const {
        double x = start;
        if (direction == Direction::Single) {
            visit(x);
            return x;
        }
        if (test == BoundTest::BeforeEachMark) {
            while (Continues(x)) {
                visit(x);
                x = Advance(x);
            }
            return x;
        }
        do {
            visit(x);
            x = Advance(x);
        } while (Continues(x));
        return x;
    }
};

// x from start, step added, continuing while x < bound (tested after each step).
constexpr Sweep Rise(double start, double step, double bound) {
    return Sweep{start, step, Direction::Rising, bound};
}
// x from start, step subtracted, continuing while x > bound (tested after each step).
constexpr Sweep Fall(double start, double step, double bound) {
    return Sweep{start, step, Direction::Falling, bound};
}
// One mark at a computed value: a sweep that stops after its first mark.
constexpr Sweep At(double value) {
    return Sweep{value, 0.0, Direction::Single, value};
}

}  // namespace tesmark
