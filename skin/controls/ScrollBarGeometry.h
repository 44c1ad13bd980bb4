#pragma once

// Where the parts of a skinned scroll bar lie along its axis, from its length, the arrow
// length and its range. All values are offsets along the axis; the parts span the bar's
// whole thickness.
//
//   | arrow 1 | track 1 ...[ thumb ]... track 2 | arrow 2 |
//   0         arrow1End    thumbStart  (centre)  arrow2Start  length
//
// Track 1 runs from 0 to the thumb centre and track 2 from the centre to the end; the
// arrows are drawn over them.
struct ScrollBarGeometry
{
    // The five parts in the order their states are kept.
    enum Part { Arrow1, Arrow2, Track1, Track2, Thumb, PartCount };

    struct Input
    {
        int length = 0;
        // The arrow buttons' length (A).
        int arrow = 16;
        int min = 0;
        int max = 100;
        int page = 0;
        int position = 0;
        bool enabled = true;
    };

    int length = 0;
    int arrow = 0;
    int min = 0;
    int max = 0;
    int arrow1End = 0;
    int arrow2Start = 0;
    int thumbLength = 0;
    int thumbCentre = 0;
    int thumbStart = 0;

    static ScrollBarGeometry compute(const Input& in);

    // The thumb lies wholly between the arrows.
    bool thumbFits() const { return thumbStart >= arrow1End && thumbStart + thumbLength <= arrow2Start; }
    // The part under an offset: arrows first, then the thumb (when it fits), then the tracks.
    Part partAt(int p) const;
    // The position whose thumb centre lies at p; beyond min..max past the track's ends.
    int positionAt(int p) const;
};
