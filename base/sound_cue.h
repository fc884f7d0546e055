// A sound something can ask for without knowing how it is played: widgets hold one for
// their cues (a menu entry coming under the pointer), and the application's Sound is one.
#pragma once

class SoundCue {
  public:
    // Asks for the sound; false when it was not played.
    virtual bool Play() = 0;

  protected:
    // Cues are owned and deleted as what they are, never through this interface.
    ~SoundCue() = default;
};
