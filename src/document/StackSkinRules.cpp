#include "document/StackSkinRules.h"

#include <algorithm>
#include <array>

bool StackAllowsState(int indicatorCode) {
    constexpr std::array kStates = {1, 5, 16, 17, 18};
    return std::find(kStates.begin(), kStates.end(), indicatorCode) != kStates.end();
}

bool StackAllowsAction(int actionCode) {
    constexpr std::array kActions = {0, 1, 2, 22, 34, 152};
    return std::find(kActions.begin(), kActions.end(), actionCode) != kActions.end();
}
