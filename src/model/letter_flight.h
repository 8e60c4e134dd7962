#pragma once

#include "model/board_layout.h"
#include "model/falling_letter.h"
#include "model/letter_fall.h"

#include <cstdint>
#include <optional>

namespace scrivel {

// The letters of play, apart from drawing them: the next letter flies from the volcano to the
// grid plane, where it becomes the falling letter; that one falls down its column, steered by the
// player, until it lands. One Tick a game tick; it also says when the volcano should erupt.
class LetterFlight {
public:
    // The grid as the letters meet it (none until the board is built); kept as given until the
    // next call, so a resized grid must be handed in again.
    void SetBoard(const LetterFall::Grid& board) { board_ = board; }
    const LetterFall::Grid& Board() const { return board_; }

    // A new layout: the falling letter goes and a random letter waits at the launch point in a
    // random column, drawn with rand().
    void Restart(const BoardLayout& layout);
    // A new game: the falling letter goes, and a random letter waits in the grid plane above the
    // grid, so the first tick makes it the falling letter.
    void StartGame();
    // The next letter to fly (0 for a joker); the falling letter is gone (it was placed).
    void SetNextLetter(std::uint8_t code);

    // One game tick. volcanoResting: the volcano is there and at rest, so it may erupt. True when
    // it should erupt now, once per letter, in the last tenth of the letter's flight.
    bool Tick(bool volcanoResting);
    // The falling letter came to rest during the last tick.
    bool Landed() const { return landed_; }
    int LandedColumn() const { return landedColumn_; }
    int LandedRow() const { return landedRow_; }
    // How many letters have reached the grid plane so far.
    int Arrivals() const { return arrivals_; }
    // Where the falling letter would come to rest if it were dropped now: its column and the row
    // above the first letter under it, or the bottom row. Nothing while no letter falls, or when
    // it would rest above the grid.
    struct Cell {
        int Column = 0;
        int Row = 0;
        bool operator==(const Cell&) const = default;
    };
    std::optional<Cell> LandingCell() const;
    // The falling letter's code, 'a' when none is falling.
    std::uint8_t FallingCode() const;

    // The falling letter, or the flying one when none falls.
    void MoveLeft();
    void MoveRight();
    void DropFast();
    // A joker's letter: the changers act on the falling letter only; a typed key reaches the
    // flying letter while none falls.
    void PreviousJokerLetter();
    void NextJokerLetter();
    void SetJokerLetter(char key);

    // One tick of the jokers' swelling.
    void StepPulses();

    const FallingLetter* Flying() const { return flying_ ? &*flying_ : nullptr; }
    const FallingLetter* Falling() const { return falling_ ? &*falling_ : nullptr; }
    const BoardLayout& Layout() const { return layout_; }

private:
    FallingLetter NewLetter(std::uint8_t code) const;
    FallingLetter* Steered();

    BoardLayout layout_;
    LetterFall::Grid board_;
    std::optional<FallingLetter> flying_;
    std::optional<FallingLetter> falling_;
    std::uint8_t nextLetter_ = 0;
    bool inFlight_ = false;
    bool landed_ = false;
    bool eruptionStarted_ = false;
    int landedColumn_ = 0;
    int landedRow_ = 0;
    int arrivals_ = 0;
};

} // namespace scrivel
