// Temporary stand-in for the overlay command layer's vocabulary header until
// that layer is merged; same names and values.
#pragma once

constexpr unsigned kVerbOpen = 0;
constexpr unsigned kVerbClose = 1;
constexpr unsigned kVerbGet = 3;
constexpr unsigned kVerbSet = 5;
constexpr unsigned kVerbWindow = 8;
constexpr unsigned kVerbPut = 9;
constexpr unsigned kFmtNone = 0;
constexpr unsigned kFmtHandle = 41;
constexpr unsigned kFmtCardType = 90;
constexpr unsigned kFmtIndicatorSignal = 98;
constexpr unsigned kFmtIndicatorInterval = 99;
constexpr unsigned kFmtIndicatorOn = 100;
constexpr unsigned kFmtIndicatorOff = 101;
