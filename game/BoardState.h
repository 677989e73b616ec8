#pragma once
// The board's plain globals in one list, each with whether the picture shows
// it and its value in a new, empty game: the redraw fingerprint and clearGame
// read it.  The game tests hold it to every global the game library defines.

#include "game/Board.h"
#include "game/FieldList.h"
#include "game/GameState.h"

#include <cstddef>
#include <tuple>
#include <type_traits>

template <typename Variable, typename Seen, typename Value>
struct GlobalState {
    Variable* variable;
    Seen seen;
    Value newGame;  // of every element, for an array

    static constexpr bool shown = std::is_same_v<Seen, Shown>;
};
template <typename Variable, typename Seen, typename Value>
GlobalState(Variable*, Seen, Value) -> GlobalState<Variable, Seen, Value>;

inline constexpr auto kBoardState = std::make_tuple(
    // A rule step counts as a change: the next frame may end an animation.
    GlobalState{&gamePhase, kShown, static_cast<int>(kPhaseIdle)},
    GlobalState{&gameOver, kShown, false},
    GlobalState{&themeIndex, kShown, kStartTheme},
    GlobalState{&tileCount, kShown, 0},
    // The running step's bookkeeping; what it changes shows in the tiles.
    GlobalState{&pendingCount, kUnseen, 0},
    GlobalState{&removedCount, kUnseen, 0},
    GlobalState{&lowestRemoved, kUnseen, kNoneRemoved});

// Calls visit(value) on the variable, or on each element of an array.
template <typename Value, typename Visit>
void forEachValue(Value& variable, Visit&& visit)
{
    visit(variable);
}
template <typename Value, std::size_t count, typename Visit>
void forEachValue(Value (&variable)[count], Visit&& visit)
{
    for (Value& element : variable)
        visit(element);
}

// Every board global at its value in a new, empty game.
inline void clearBoardState()
{
    forEachField(kBoardState, [](const auto& state) {
        forEachValue(*state.variable, [&](auto& value) { value = state.newGame; });
    });
}

// Calls add(value) for each value of every shown board global, in order.
template <typename Add>
void forEachShownBoardValue(Add&& add)
{
    forEachField(kBoardState, [&](const auto& state) {
        if constexpr (std::decay_t<decltype(state)>::shown)
            forEachValue(*state.variable, add);
    });
}
