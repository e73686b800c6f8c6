#pragma once

namespace pultara {

// Selected position of a drop-down list with `size` entries. A position that
// is not in the list leaves the list without a selection, which reads -1.
class ListPosition {
public:
    constexpr explicit ListPosition(int size) : size_(size) {}

    constexpr int Get() const { return position_; }
    constexpr int Size() const { return size_; }
    // Returns whether the selection changed.
    constexpr bool Set(int position) {
        int next = (position >= 0 && position < size_) ? position : -1;
        if (next == position_) {
            return false;
        }
        position_ = next;
        return true;
    }

private:
    int size_;
    int position_ = -1;
};

// Sizes of the program's lists.
inline constexpr int kAxisListSizeXY = 15;  // "keine Aktion" .. "Mausachse Y (-1)"
inline constexpr int kAxisListSizeZ = 11;   // no arrow-key entries
inline constexpr int kButtonListSize = 13;  // "- kein", Button 1 .. Button 12

}  // namespace pultara
