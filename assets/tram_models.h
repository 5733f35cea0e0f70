// The seven tram models as the pictures need them: where the doors, wheel
// sets and destination displays sit relative to the body picture, from the
// positions the game lays the tram out at.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace assets {

struct Span {
    int from;
    int to;
};

struct TramModel {
    int number;  // 0..6
    // Screen positions the game uses (Left, Top).
    int bodyX, bodyY;
    int interiorX, interiorY;
    std::array<std::array<int, 2>, 2> displays;  // {-1, -1}: none
    std::array<int, 6> doorX;                    // -1: the model lacks it
    int doorY;
    std::array<int, 4> wheelX;                   // -1: the model lacks it
    int wheelY;
    // Picture sizes and the lines of the drawing, relative to the body.
    int width, height;
    int roofY;          // top of the roof
    int windowTop, windowBottom;
    int skirtY;         // lower edge of the body
    int wheelHeight;    // height of the wheel-set picture
    int interiorWidth, interiorHeight;
    std::vector<Span> joints;  // articulation bellows
    std::uint32_t upper, lower, stripe, roof;  // livery

    int DisplayRelX(int i) const { return displays[i][0] - bodyX; }
    int DisplayRelY(int i) const { return displays[i][1] - bodyY; }
    int DoorRelX(int i) const { return doorX[i] - bodyX; }
    int DoorRelY() const { return doorY - bodyY; }
    int WheelRelX(int i) const { return wheelX[i] - bodyX; }
    int WheelRelY() const { return wheelY - bodyY; }
};

constexpr int kDoorWidth = 46;
constexpr int kDoorHeight = 75;
constexpr int kWheelWidth = 90;
constexpr int kDisplaySize = 30;

const std::array<TramModel, 7>& TramModels();

}  // namespace assets
