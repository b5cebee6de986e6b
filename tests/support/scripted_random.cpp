#include "support/scripted_random.h"

#include <gtest/gtest.h>

namespace mokopi::testing {

double ScriptedRandom::next()
{
    ++drawn_;
    if (next_ < draws_.size())
        return draws_[next_++];
    if (!repeat_)
        ADD_FAILURE() << "one draw too many: the script listed " << draws_.size();
    return repeat_.value_or(0.0);
}

}  // namespace mokopi::testing
