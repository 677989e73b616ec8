#pragma once
// A known board for the rules tests: every test starts from an empty board in
// the start theme with six recognisable colours, written as letters R G B Y P C
// (colour indices 0 to 5), no power-up pending and a score of 0.

#include "game/Board.h"

#include <gtest/gtest.h>

#include <string>

class RulesTest : public testing::Test {
protected:
    void SetUp() override;
};

// Fills column c from slot 0 with tiles at rest of the colours named by
// `letters`.
void setColumn(int column, const std::string& letters);
// The column's tiles in play as letters; '?' for a tile whose colour is not
// its theme colour (a faded tile, a blank cell or a marker in play).
std::string columnText(int column);
// Every problem of a board at rest: tiles not at their own cell, still
// marked, selected or animating; blank cells not blank; markers moved;
// pending counts that differ from the counts.
std::string restProblems();

void tick();
void frames(int count);
int score();
bool anyMarked();
