#pragma once

#include "Random.h"
#include "puzzle/PositionGraph.h"

using namespace puzzle;

// Random layouts: the 2x2 block and a random mix of lying 2x1, upright 1x2 and 1x1 pieces with
// two or more empty cells, each piece at a random free place.
class LayoutSampler {
public:
    // How many pieces of each kind besides the 2x2 block, and the empty cells left over.
    struct Mix {
        int across = 0;
        int erect = 0;
        int small = 0;
        int empty = 0;

        bool operator==(const Mix&) const = default;
        // A number that tells mixes apart, for grouping.
        int Key() const { return ((across * 16 + erect) * 16 + small) * 16 + empty; }
    };

    static PositionGraph::Code Sample(Random& random);
    static Mix MixOf(PositionGraph::Code code);

private:
    static Mix ChooseMix(Random& random);
    // Places the pieces of `mix` one by one; false when one found no room.
    static bool Place(const Mix& mix, Random& random, PositionGraph::Code& code);
};
