#pragma once

namespace obzorka::app {

// The tray icon's animation while data flows: units of work add up, and every 1000 units
// the icon steps to the next of its four frames.
class TrayAnimation
{
public:
    // Adds units; returns the frame (1 to 4) to show when it changed, 0 otherwise.
    int krokanimace(int units);
    // A new download run counts from the start again; the last frame shown is kept.
    void reset() { m_citac = 0; }

private:
    int m_citac = 0;  // 0 to 3999
    int m_snimek = 0; // the frame last shown, 0 before the first
};

} // namespace obzorka::app
