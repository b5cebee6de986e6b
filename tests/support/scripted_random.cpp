#include "support/scripted_random.h"

#include <gtest/gtest.h>

namespace mokopi::testing {

double ScriptedRandom::next()
{
    if (next_ >= draws_.size()) {
        ADD_FAILURE() << "one draw too many: the script listed " << draws_.size();
        return 0.0;
    }
    return draws_[next_++];
}

}  // namespace mokopi::testing
