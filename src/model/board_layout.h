#pragma once

namespace scrivel {

// Where the board lies in the scene for a grid of Size x Size cells: whatever the size, the grid
// spans 6 x 4 units, its top row at y = Size x CellHeight, centred on x = 0 in the plane z =
// GridDepth; letters leave the volcano at (LaunchX, LaunchY, LaunchDepth).
struct BoardLayout {
    static constexpr float GridDepth = 2.0f;
    static constexpr float LaunchDepth = -25.0f;
    static constexpr float FlightLength = GridDepth - LaunchDepth;
    // The volcano erupts once the flying letter is this far along its flight.
    static constexpr float EruptionPoint = GridDepth - 0.1f * FlightLength;
    static constexpr float LaunchX = -2.0f;

    // A size below 1 gives cells of no size.
    static BoardLayout ForSize(int size);

    int Size = 0;
    float CellWidth = 0.0f;
    float CellHeight = 0.0f;
    // x of column 0's centre, y of the top row.
    float GridLeft = 0.0f;
    float GridTop = 0.0f;
    // Where the ground plate's top lies, one unit under the bottom row.
    float BaseHeight = 0.0f;
    float LaunchY = 0.0f;
};

} // namespace scrivel
