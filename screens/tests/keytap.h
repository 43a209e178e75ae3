#pragma once
// A key pressed and let go with no other key in between (a lone Ctrl), told apart from the
// same key held down for a shortcut (Ctrl+V) or held while another key is pressed.
class KeyTap {
public:
    explicit KeyTap(int key) : key_(key) {}

    bool watches(int key) const { return key == key_; }

    // Every key press of the screen, the watched key and all others.
    void press(int key, bool autoRepeat)
    {
        if (key != key_)
            alone_ = false;
        else if (!autoRepeat)
            down_ = alone_ = true;
    }

    // Every key release: true once, when the watched key is let go after a press of its own.
    bool release(int key, bool autoRepeat)
    {
        if (key != key_ || autoRepeat || !down_)
            return false;
        const bool tapped = alone_;
        down_ = alone_ = false;
        return tapped;
    }

private:
    int key_;
    bool down_ = false;
    bool alone_ = false;
};
